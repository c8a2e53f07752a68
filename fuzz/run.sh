#!/usr/bin/env bash
# Runs one fuzz target:
#   fuzz/run.sh TARGET SECONDS [libFuzzer options...]  fuzz for that long
#   fuzz/run.sh TARGET 0                               replay the seed corpus only
# New inputs go to build-fuzz/corpus/TARGET (not the repository), findings to
# build-fuzz/findings/TARGET; a finding, once fixed, is copied into
# fuzz/corpus/TARGET by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?target name (a file fuzz/NAME.cpp)}
seconds=${2:?seconds, 0 to replay the corpus only}
shift 2
build=build-fuzz
if [[ ! -f $build/build.ninja ]]; then
  cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
fi
cmake --build "$build" --target "fuzz_$target" >/dev/null
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export QT_QPA_PLATFORM=offscreen
seeds=fuzz/corpus/$target
if [[ $seconds == 0 ]]; then
  exec "$build/fuzz_$target" -runs=0 "$@" "$seeds"
fi
work=$build/corpus/$target
findings=$build/findings/$target
mkdir -p "$work" "$findings"
exec "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$findings/" "$@" "$work" "$seeds"
