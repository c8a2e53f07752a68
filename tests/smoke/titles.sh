#!/usr/bin/env bash
# The real binary on a real X server: every window shows the title the
# window system reads. A window designed with a title shows exactly that
# ("Aufnahmen", "Suchen", "Vollinfo Drucken": no application name appended);
# one without (the message box that the missing catalogue brings, the About
# window) shows the program's name "Klangbuch", not the binary's "klangbuch".
set -euo pipefail
source "$(dirname "$0")/real_binary.sh"
prepare_work "$1"  # no recordings.rsd: the program says so first

cat > "$work/session.sh" <<'INNER'
#!/usr/bin/env bash
set -u
source "$3"
start_program "$1" "$2"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# "id<TAB>title" of every shown top-level window, the title as a window
# manager reads it (_NET_WM_NAME; WM_NAME holds the title as set, "" for
# an empty one).
shown() {
  local id title
  for id in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' || continue
    title=$(xprop -id "$id" _NET_WM_NAME 2>/dev/null |
            sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
    printf '%d\t%s\n' "$id" "$title"
  done
}
titles() { shown | cut -f2 | sort -u; }
# The first shown window titled exactly so, waited for.
find_window() {
  local title=$1 id
  for _ in $(seq 1 100); do
    id=$(shown | awk -F'\t' -v t="$title" '$2 == t {print $1; exit}')
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
expect_title() {
  local title=$1 what=$2
  if ! find_window "$title" >/dev/null; then
    fail "$what: no window titled '$title'; shown: $(titles | paste -sd '|')"
  fi
}

if box=$(find_window 'Klangbuch'); then
  echo "message box: 'Klangbuch'"
else
  fail "the message box: no window titled 'Klangbuch'; shown: $(titles | paste -sd '|')"
  box=$(shown | head -1 | cut -f1)
fi
if [[ -n "$box" ]]; then
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key Return
fi
main=$(find_window 'Aufnahmen') || { fail "no window titled exactly 'Aufnahmen'"; kill "$pid"; exit 1; }
echo "main window: 'Aufnahmen'"
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
sleep 0.3
xdotool key --window "$main" ctrl+f
expect_title 'Suchen' "Ctrl+F"
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
sleep 0.3
xdotool key --window "$main" ctrl+shift+p
expect_title 'Vollinfo Drucken' "Ctrl+Shift+P"

# "Über Klangbuch", the last item of "Bearbeiten": the menu opened by a
# click on its title in the main window's menu bar, then Up and Return.
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
sleep 0.3
xdotool mousemove --window "$main" 88 10 click 1
sleep 0.5
xdotool key Up Return
if about=$(find_window 'Klangbuch') && [[ "$about" != "$box" ]]; then
  echo "About window: 'Klangbuch'"
else
  fail "the About window: no window titled 'Klangbuch'; shown: $(titles | paste -sd '|')"
fi
echo "shown: $(titles | paste -sd '|')"
if titles | grep -v -x -e 'Aufnahmen' -e 'Suchen' -e 'Vollinfo Drucken' -e 'Klangbuch' | grep -q .; then
  fail "a title that no window is designed or named with"
fi

xdotool key --window "$main" ctrl+q 2>/dev/null  # the window may go before the key is up
await_end "Ctrl+Q"
status=$?
[[ $failed -eq 0 ]] || exit 1
echo "exit status $status"
exit "$status"
INNER
run_session
