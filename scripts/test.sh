#!/usr/bin/env bash
# Installs what the build and the tests need, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALLOX_WARNINGS_AS_ERRORS=ON
cmake --build build-test -j"$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
