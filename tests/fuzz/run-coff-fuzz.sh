#!/usr/bin/env bash
# Fuzzes the object reader with libFuzzer for SECONDS seconds (default 60).
# Built with clang into build-fuzz/coff, apart from the g++ build; the seed
# corpus is the golden tests' objects.  Crashes are left in that directory.
set -eu
seconds=${1:-60}
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build-fuzz/coff
mkdir -p "$out/corpus"

sources=(tests/fuzz/coff_fuzz.cpp object/coff.cpp object/coff_bytes.cpp object/coff_read.cpp
         object/coff_print.cpp target/instset.cpp target/inst_vxcore.cpp target/inst_twcore.cpp
         target/inst_sycore.cpp target/inst_bacore.cpp support/vxassert.cpp support/position.cpp
         support/platform.cpp)
cd "$root"
clang++ -std=c++20 -g -O1 -Wall -Wextra -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" "${sources[@]}" -o "$out/coff_fuzz"

for hex in tests/golden/vxdump/Inputs/*.hex; do
  sed -n 's/^# HEX: //p' "$hex" | xxd -r -p > "$out/corpus/seed-$(basename "$hex" .hex)"
done

cd "$out"
# Inputs are at most 4 KiB, so no sound read needs more than a few MiB.
./coff_fuzz -max_total_time="$seconds" -max_len=4096 -malloc_limit_mb=64 -rss_limit_mb=1024 \
  -print_final_stats=1 corpus
