#!/usr/bin/env bash
# Installs what the build needs, builds Pallox with Debian's hardening flags in build-package/ and
# makes the Debian package there: build-package/pallox_<version>_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh package
# The flags Debian's own packages are built with: stack protector, fortified functions, read-only
# relocations.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DPALLOX_BUILD_TESTS=OFF -DPALLOX_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
cmake --build build-package -j"$(nproc)" --target pallox
(cd build-package && cpack)
ls build-package/pallox_*_amd64.deb
