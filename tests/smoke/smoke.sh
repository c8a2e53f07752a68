#!/usr/bin/env bash
# The real binary on a real X server: the window "Aufnahmen" appears, Ctrl+W
# closes it, and the program ends with status 0.
set -euo pipefail
binary=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/app" "$work/home"
cp "$binary" "$work/app/klangbuch"
sqlite3 "$work/app/recordings.rsd" "create table Aufnahmen (Datum date, ProdNr varchar, Titel varchar, Redaktion varchar, Format varchar, Interpret varchar, Ort varchar, Schnitt date, Fertig date, Backup varchar, BackupDat date, BelegCD boolean, Bemerkung varchar, System varchar, Surr boolean, Technik varchar, ID integer NOT NULL PRIMARY KEY); insert into Aufnahmen (Datum, Titel) values ('2012-03-05', 'Probe');"

cat > "$work/session.sh" <<'INNER'
#!/usr/bin/env bash
set -u
app=$1
HOME=$2 XDG_CONFIG_HOME= QT_QPA_PLATFORM=xcb "$app" &
pid=$!
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
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "Ctrl+W did not end the program"; kill "$pid"; exit 1
fi
wait "$pid"
status=$?
echo "exit status $status"
exit "$status"
INNER
chmod +x "$work/session.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/session.sh" "$work/app/klangbuch" "$work/home"
