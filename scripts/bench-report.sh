#!/usr/bin/env bash
# Builds the benchmarks in Release, runs every one of them on generated libraries of 1,000, 10,000
# and 50,000 games and writes the medians and peak memory into BENCHMARKS.md. Extra arguments go
# to bench/report.py (for example --sizes 1000 --repetitions 1 for a quick look).
# Run it on an otherwise idle machine: other work on the cores shows up in every number.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh test
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPALLOX_BUILD_TESTS=OFF -DPALLOX_BUILD_BENCH=ON
cmake --build build-bench -j"$(nproc)" --target pallox pallox_bench pallox_first_scan
exec python3 bench/report.py --bench build-bench/bench/pallox_bench \
  --first-scan build-bench/bench/pallox_first_scan --out BENCHMARKS.md "$@"
