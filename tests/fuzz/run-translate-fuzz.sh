#!/bin/bash
# Builds the translation fuzz target with clang and runs it for SECONDS
# (default 30) over the seed corpus; any crash, hang or leak fails the run.
# The crash input is left in the build directory for a regression test.
set -euo pipefail
seconds=${1:-30}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz-translate}

if ! command -v clang++ > /dev/null; then
    echo "run-translate-fuzz: clang++ not found, skipped"
    exit 0
fi
cmake -S "$here/translate" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug > /dev/null
cmake --build "$build" > /dev/null

work=$build/run
mkdir -p "$work/corpus"
cp "$root"/tests/corpus/*.c "$root"/tests/corpus/*.h "$root"/tests/fuzz/seeds/* "$root"/tests/golden/translate/*.c \
    "$work/corpus/" 2>/dev/null || true
cd "$work"
"$build/translate_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 corpus
