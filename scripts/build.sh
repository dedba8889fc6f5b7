#!/usr/bin/env bash
# Builds everything into build/, compiles the interrupt example and builds
# and runs the hello example in the simulator.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
mkdir -p build/example
cd build/example
../bin/vexc -verbose ../../examples/blink.c
../bin/vexcc --standard-c --run ../../examples/hello.c
