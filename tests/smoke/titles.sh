#!/usr/bin/env bash
# The real binary on a real X server: every window shows the title the
# window system reads. A window designed with a title shows exactly that
# ("Aufnahmen", "Suchen", "Vollinfo Drucken": no application name appended);
# one without (the message box that the missing catalogue brings, the About
# window) shows the program's name "Klangbuch", not the binary's "klangbuch".
set -euo pipefail
source "$(dirname "$0")/real_binary.sh"
prepare_work "$1"  # no recordings.rsd: the program says so first
start_server
start_program
failed=0
fail() { echo "FAIL: $*"; failed=1; }
shown_titles() { titles | paste -sd '|'; }

# Waits for a window titled $1, which $2 should have shown, and for it to
# take the focus; sets window to its id.
expect_window() {
  window=
  local id
  if ! id=$(find_window "$1"); then
    fail "$2: no window titled '$1'; shown: $(shown_titles)"
    return 1
  fi
  if ! await_focus "$id" "the window '$1'"; then
    fail "$2: the window '$1' did not take the focus"
    return 1
  fi
  window=$id
}

# A popup menu is shown (Qt titles it with the program's name too).
menu_shown() {
  local id
  for id in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
    xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_NET_WM_WINDOW_TYPE_POPUP_MENU' &&
      xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
  done
  return 1
}
menu_gone() { ! menu_shown; }

if expect_window 'Klangbuch' "the missing catalogue"; then
  box=$window
  echo "message box: 'Klangbuch'"
else
  box=$(shown | awk 'NR == 1 {print $1}')
fi
if [[ -n $box ]]; then
  press "$box" "the message box" Return || fail "the message box could not be answered"
fi
expect_window 'Aufnahmen' "the start" || exit 1
main=$window
echo "main window: 'Aufnahmen'"
press "$main" "the main window" ctrl+f || exit 1
expect_window 'Suchen' "Ctrl+F" || true
press "$main" "the main window" ctrl+shift+p || exit 1
expect_window 'Vollinfo Drucken' "Ctrl+Shift+P" || true

# "Über Klangbuch", the last item of "Bearbeiten": the menu bar entered with
# Alt, "Bearbeiten" the menu right of "Datei" opened with Down, and in it
# Up, from its first item round to its last, and Return.
press "$main" "the main window" alt Right Down || exit 1
if ! wait_for "the menu 'Bearbeiten' to open" menu_shown; then
  fail "Alt, Right, Down: the menu 'Bearbeiten' did not open"
else
  xdotool key Up Return
  wait_for "the menu to close" menu_gone || fail "Up, Return: the menu stayed open"
  if expect_window 'Klangbuch' "Über Klangbuch"; then
    if [[ $window == "$box" ]]; then
      fail "Über Klangbuch: the message box came again"
    else
      echo "About window: 'Klangbuch'"
    fi
  fi
fi
echo "shown: $(shown_titles)"
if titles | grep -v -x -e 'Aufnahmen' -e 'Suchen' -e 'Vollinfo Drucken' -e 'Klangbuch' | grep -q .; then
  fail "a title that no window is designed or named with"
fi

press "$main" "the main window" ctrl+q || exit 1
status=0
await_end "Ctrl+Q" || status=$?
[[ $failed -eq 0 ]] || exit 1
echo "exit status $status"
exit "$status"
