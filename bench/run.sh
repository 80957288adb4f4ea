#!/usr/bin/env bash
# Builds the benchmarks (optimised) into build-bench/ and runs them. Not part of the test run.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOSTRELUND_BENCH=ON -DVOSTRELUND_TESTS=OFF >/dev/null
cmake --build build-bench
build-bench/bench/bench_list_file
build-bench/bench/bench_copy
build-bench/bench/bench_checker
