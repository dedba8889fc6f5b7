#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 30):
#   tests/fuzz/run-fuzz.sh [SECONDS [TARGET...]]
# TARGET is frontend, translate or coff (default: all three).  Any crash, hang,
# leak or runaway allocation fails the run; the input that caused it is left
# in build-fuzz/<target>/ for a regression test.
set -euo pipefail
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(frontend translate coff)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}

if ! command -v clang++ > /dev/null; then
    echo "run-fuzz: clang++ not found, skipped"
    exit 0
fi
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug > /dev/null
cmake --build "$build" > /dev/null

for target in "${targets[@]}"; do
    work=$build/$target
    rm -rf "$work/corpus"
    mkdir -p "$work/corpus"
    case $target in
    frontend | translate)
        cp "$root"/tests/corpus/*.c "$root"/tests/corpus/*.h "$work/corpus/"
        [ "$target" = frontend ] || cp "$root"/tests/golden/translate/*.c "$work/corpus/"
        limits=(-timeout=10 -rss_limit_mb=2048 -max_len=8192)
        ;;
    coff)
        for hex in "$root"/tests/golden/vxdump/Inputs/*.hex; do
            sed -n 's/^# HEX: //p' "$hex" | xxd -r -p > "$work/corpus/seed-$(basename "$hex" .hex)"
        done
        # Inputs are at most 4 KiB, so no sound read needs more than a few MiB.
        limits=(-max_len=4096 -malloc_limit_mb=64 -rss_limit_mb=1024)
        ;;
    *)
        echo "run-fuzz: unknown target '$target'" >&2
        exit 2
        ;;
    esac
    echo "run-fuzz: $target for $seconds s"
    (cd "$work" && "$build/${target}_fuzz" -max_total_time="$seconds" "${limits[@]}" -print_final_stats=1 corpus)
done
