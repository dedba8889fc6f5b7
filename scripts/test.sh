#!/usr/bin/env bash
# Builds and runs the whole test suite: once as built, once under
# AddressSanitizer and UndefinedBehaviorSanitizer, then short fuzzing runs.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja >/dev/null
cmake --build build
ctest --test-dir build -j"$jobs" --output-on-failure

cmake -S . -B build-asan -G Ninja -DVX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan -j"$jobs" --output-on-failure

tests/fuzz/run-fuzz.sh 30
