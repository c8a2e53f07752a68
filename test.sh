#!/usr/bin/env bash
# Installs what is missing, checks the house style, builds and runs every
# test headless: the normal build, then the same suite under AddressSanitizer
# and UBSan, then each fuzz target over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh test
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# The style of .clang-format, as clang-format 14 reads it; every C++ file
# that differs is named. Outside a git checkout (an unpacked archive, or no
# git installed) the files are found on disk, the build folders left out.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h'
else
  find . -path './build*' -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print0
fi | xargs -0 clang-format-14 --dry-run --Werror

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKLANGBUCH_TESTS=ON
cmake --build build
ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs"

# Any report ends the program with an error, a leak included; the leaks of
# system libraries that are not ours are listed in tests/lsan.supp. Set
# before the build: the test lists are read from the built programs.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLANGBUCH_SANITIZE=ON \
  -DKLANGBUCH_TESTS=ON
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure --no-tests=error -j "$jobs"

for target in fuzz/*.cpp; do
  fuzz/run.sh "$(basename "$target" .cpp)" 0
done
