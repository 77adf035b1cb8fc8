#!/usr/bin/env bash
# Installs what the build needs, builds Pallox and starts it on the sample library beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPALLOX_BUILD_TESTS=OFF -DPALLOX_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
exec ./build/pallox
