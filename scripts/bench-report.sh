#!/usr/bin/env bash
# Builds the benchmarks in Release, runs every one of them on generated libraries of 1,000, 10,000
# and 50,000 games and writes the medians and peak memory into BENCHMARKS.md. Extra arguments go
# to bench/report.py (for example --sizes 1000 --repetitions 1 for a quick look).
# --window-sizes 100000 adds the real program's window answers at 100,000 games, timed from outside
# by pallox_window_answers (about half an hour more); without it the report keeps those of the
# last report that had them.
# Run it on an otherwise idle machine: other work on the cores shows up in every number.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh test
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPALLOX_BUILD_TESTS=OFF -DPALLOX_BUILD_BENCH=ON
targets=(pallox pallox_bench pallox_first_scan)
window_answers=()
# Built where Xlib is there (see bench/CMakeLists.txt).
if cmake --build build-bench --target help 2>/dev/null | grep -w pallox_window_answers >/dev/null; then
  targets+=(pallox_window_answers)
  window_answers=(--window-answers build-bench/bench/pallox_window_answers)
fi
cmake --build build-bench -j"$(nproc)" --target "${targets[@]}"
exec python3 bench/report.py --bench build-bench/bench/pallox_bench \
  --first-scan build-bench/bench/pallox_first_scan "${window_answers[@]}" --out BENCHMARKS.md "$@"
