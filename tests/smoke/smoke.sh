#!/usr/bin/env bash
# The real binary on a real X server: the window "Aufnahmen" appears, Ctrl+W
# closes it, and the program ends with status 0.
set -euo pipefail
source "$(dirname "$0")/real_binary.sh"
prepare_work "$1"
sqlite3 "$work/app/recordings.rsd" "create table Aufnahmen (Datum date, ProdNr varchar, Titel varchar, Redaktion varchar, Format varchar, Interpret varchar, Ort varchar, Schnitt date, Fertig date, Backup varchar, BackupDat date, BelegCD boolean, Bemerkung varchar, System varchar, Surr boolean, Technik varchar, ID integer NOT NULL PRIMARY KEY); insert into Aufnahmen (Datum, Titel) values ('2012-03-05', 'Probe');"
start_server
start_program

main=$(find_window 'Aufnahmen')
press "$main" "the window 'Aufnahmen'" ctrl+w
status=0
await_end "Ctrl+W" || status=$?
echo "exit status $status"
exit "$status"
