# shellcheck shell=bash
# What the real-binary tests share, sourced by each: the binary in a folder
# of its own beside an empty home folder, an X server of the test's own, the
# program started there, and waits for the states a step needs. A busy
# machine may take long to reach a state, so every wait has the same
# generous deadline and names what it waited for when it gives up.

deadline_seconds=60

# Sets work to a new folder holding app/klangbuch and home/. However the
# test ends, the program and the X server end with it and the folder goes.
prepare_work() {
  work=$(mktemp -d)
  trap end_test EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  mkdir -p "$work/app" "$work/home"
  cp "$1" "$work/app/klangbuch"
}

end_test() {
  if [[ -n ${pid:-} ]]; then
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  if [[ -n ${server:-} ]]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}

# Succeeds as soon as the command "$2"... does, polled until the deadline;
# then fails, saying it gave up waiting for $1.
wait_for() {
  local what=$1 end=$((SECONDS + deadline_seconds))
  shift
  until "$@"; do
    if ((SECONDS >= end)); then
      echo "gave up after ${deadline_seconds} s waiting for $what$(gone)" >&2
      return 1
    fi
    sleep 0.1
  done
}

# What has ended that should not have, for a message.
gone() {
  [[ -n ${pid:-} ]] && ! kill -0 "$pid" 2>/dev/null && echo -n "; the program has ended"
  [[ -n ${server:-} ]] && ! kill -0 "$server" 2>/dev/null && echo -n "; the X server has ended"
  true
}

has_line() { [[ -s $1 && $(tail -c 1 "$1") == "" ]]; }
server_answered() { has_line "$work/display" || ! kill -0 "$server" 2>/dev/null; }

# Starts an X server on a display it picks itself and exports DISPLAY. The
# server and the program die with the test even if it is killed outright.
# Without -noreset the server starts over whenever its last client goes (a
# poll of the windows, say), and the program, connecting just then, is
# refused and ends.
start_server() {
  setpriv --pdeathsig KILL Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp \
    3>"$work/display" 2>"$work/server.log" &
  server=$!
  wait_for "the X server to take connections" server_answered || return 1
  if ! has_line "$work/display"; then
    echo "the X server ended at its start:" >&2
    cat "$work/server.log" >&2
    return 1
  fi
  DISPLAY=":$(cat "$work/display")"
  export DISPLAY
}

# Starts the binary with the home folder; sets pid.
start_program() {
  HOME="$work/home" XDG_CONFIG_HOME= QT_QPA_PLATFORM=xcb \
    setpriv --pdeathsig KILL "$work/app/klangbuch" &
  pid=$!
}

# "id<TAB>title" of every shown top-level window, the title as a window
# manager reads it (_NET_WM_NAME; WM_NAME holds the title as set, "" for
# an empty one).
shown() {
  local id title
  for id in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' || continue
    title=$(xprop -id "$id" _NET_WM_NAME 2>/dev/null |
            sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p') || true
    printf '%d\t%s\n' "$id" "$title"
  done
}
titles() { shown | cut -f2 | sort -u; }

# The first shown window titled exactly $1; read to the end, so that no
# pipe breaks and fails the pipeline.
shown_titled() { shown | awk -F'\t' -v t="$1" '$2 == t && !found {print $1; found = 1} END {exit !found}'; }
# Prints the first shown window titled exactly $1, waited for.
find_window() {
  wait_for "a window titled '$1'" shown_titled "$1" >/dev/null || return 1
  shown_titled "$1"
}

has_focus() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }
focus_again() { has_focus "$1" || { xdotool windowfocus "$1" 2>/dev/null; false; }; }
# Gives window $1 ($2 names it) the input focus and waits until it holds it.
# No window manager runs, so the focus is set directly, again while another
# window takes it.
focus_window() { wait_for "$2 to hold the input focus" focus_again "$1"; }

# Waits until window $1 ($2 names it), which the program has just shown,
# holds the focus it takes: its activation is then done and cannot take the
# focus from the next window given it.
await_focus() { wait_for "$2 to take the input focus" has_focus "$1"; }

# Types the keys "$3"... into window $1 ($2 names it) once it holds the
# focus. They are typed, not sent to the window: xdotool sends a key to a
# window that lacks the focus as an event of its own, so a key that moves
# the focus would be pressed but never released, and repeat.
press() {
  focus_window "$1" "$2" || return 1
  xdotool key "${@:3}"
}

# Waits for the program to end after $1 (what should have ended it) and
# returns its exit status; still running at the deadline, the test fails.
await_end() {
  wait_for "$1 to end the program" program_ended || exit 1
  local status=0
  wait "$pid" || status=$?
  pid=
  return "$status"
}
program_ended() { ! kill -0 "$pid" 2>/dev/null; }
