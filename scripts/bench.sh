#!/usr/bin/env bash
# Builds the program and every benchmark (Release, in build-bench/) and runs
# each benchmarks/*_bench program in turn; every figure is printed as
# "<name>: <value> <unit>".  The window benchmarks run on the offscreen
# platform unless QT_QPA_PLATFORM says otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench
benches=()
for source in benchmarks/*_bench.cpp; do benches+=("$(basename "$source" .cpp)"); done
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTALLIMOR_BUILD_TESTS=OFF >/dev/null
# The default target lays out the program folder (its data and seeded records) the benchmarks may read.
cmake --build "$build" --parallel "${JOBS:-2}" >/dev/null
cmake --build "$build" --parallel "${JOBS:-2}" --target "${benches[@]}" >/dev/null
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
for bench in "${benches[@]}"; do
    "$build/$bench"
done
