# What the real-binary tests share, sourced by each: the binary in a folder
# of its own beside an empty home folder, a session script run under a fresh
# X server, and the program started and awaited there.

# Sets work to a new folder holding app/klangbuch and home/, removed at exit.
prepare_work() {
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/app" "$work/home"
  cp "$1" "$work/app/klangbuch"
}

# Runs "$work/session.sh" under its own X server with the binary, the home
# folder and this file, which the session sources.
run_session() {
  chmod +x "$work/session.sh"
  xvfb-run -a -s "-screen 0 1024x768x24" "$work/session.sh" "$work/app/klangbuch" "$work/home" \
    "${BASH_SOURCE[0]}"
}

# In a session: starts the binary $1 with the home folder $2; sets pid.
start_program() {
  HOME=$2 XDG_CONFIG_HOME= QT_QPA_PLATFORM=xcb "$1" &
  pid=$!
}

# In a session: waits up to 10 s for the program to end after $1 (what
# should have ended it) and returns its exit status; still running, it is
# killed and the session fails.
await_end() {
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "$1 did not end the program"; kill "$pid"; exit 1
  fi
  wait "$pid"
}
