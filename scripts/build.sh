#!/usr/bin/env bash
# Builds everything into build/ and compiles the bundled example.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
mkdir -p build/example
cd build/example
../bin/vexc -verbose ../../examples/blink.c
