#!/usr/bin/env bash
# Installs the Debian packages that are missing; only what is missing, so a
# second run is fast.
#   ./deps.sh run    what building and running Klangbuch need (./run.sh)
#   ./deps.sh test   that and what the tests, the benchmarks and the fuzz
#                    targets need (./test.sh)
set -euo pipefail
# fonts-dejavu-core: the windows' sans-serif; with fonts-liberation alone
# (Arial for the printouts) fontconfig takes Liberation Mono for it.
RUN=(qt6-base-dev libsqlite3-dev g++ cmake ninja-build
     fonts-dejavu-core fonts-liberation qt6-translations-l10n)
TEST=(libgtest-dev xvfb xdotool x11-utils poppler-utils sqlite3
      clang-14 libclang-rt-14-dev clang-format-14)
case ${1:-} in
  run) packages=("${RUN[@]}") ;;
  test) packages=("${RUN[@]}" "${TEST[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [[ $(id -u) -ne 0 ]] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi
