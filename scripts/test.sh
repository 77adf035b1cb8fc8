#!/usr/bin/env bash
# Installs what the build and the tests need, builds everything and runs every test: once in the
# normal build, once built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh test
jobs="$(nproc)"

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALLOX_WARNINGS_AS_ERRORS=ON
cmake --build build-test -j"$jobs"
(cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALLOX_WARNINGS_AS_ERRORS=ON \
  -DPALLOX_SANITIZE=ON -DPALLOX_BUILD_BENCH=OFF
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")
