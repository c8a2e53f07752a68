#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts Klangbuch.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target klangbuch
exec build/klangbuch
