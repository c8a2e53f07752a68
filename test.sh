#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless: the normal
# build, then the same suite under AddressSanitizer and UBSan, then each fuzz
# target over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
ctest --test-dir build --output-on-failure -j "$jobs"

# Any report ends the program with an error, a leak included; the leaks of
# system libraries that are not ours are listed in tests/lsan.supp. Set
# before the build: the test lists are read from the built programs.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLANGBUCH_SANITIZE=ON
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j "$jobs"

for target in fuzz/*.cpp; do
  fuzz/run.sh "$(basename "$target" .cpp)" 0
done
