#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; only what is
# missing, so a second run is fast.
set -euo pipefail
PACKAGES=(qt6-base-dev libsqlite3-dev libgtest-dev cmake ninja-build g++
          fonts-liberation xvfb xauth sqlite3 xdotool x11-utils poppler-utils
          clang-14 libclang-rt-14-dev qt6-translations-l10n)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [[ $(id -u) -ne 0 ]] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi
