#!/usr/bin/env bash
# The real binary on a real X server: the window "Aufnahmen" appears, Ctrl+W
# closes it, and the program ends with status 0.
set -euo pipefail
source "$(dirname "$0")/real_binary.sh"
prepare_work "$1"
sqlite3 "$work/app/recordings.rsd" "create table Aufnahmen (Datum date, ProdNr varchar, Titel varchar, Redaktion varchar, Format varchar, Interpret varchar, Ort varchar, Schnitt date, Fertig date, Backup varchar, BackupDat date, BelegCD boolean, Bemerkung varchar, System varchar, Surr boolean, Technik varchar, ID integer NOT NULL PRIMARY KEY); insert into Aufnahmen (Datum, Titel) values ('2012-03-05', 'Probe');"

cat > "$work/session.sh" <<'INNER'
#!/usr/bin/env bash
set -u
source "$3"
start_program "$1" "$2"
for _ in $(seq 1 100); do
  win=$(xdotool search --name '^Aufnahmen$' 2>/dev/null | head -1 || true)
  [[ -n "$win" ]] && break
  sleep 0.1
done
if [[ -z "${win:-}" ]]; then
  echo "the window 'Aufnahmen' did not appear"; kill "$pid"; exit 1
fi
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
sleep 0.3
xdotool key --window "$win" ctrl+w
await_end "Ctrl+W"
status=$?
echo "exit status $status"
exit "$status"
INNER
run_session
