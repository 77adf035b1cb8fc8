#!/usr/bin/env bash
# Renders packaging/pallox.svg into the PNG sizes of the hicolor theme that the package installs
# (packaging/icons/<size>/pallox.png). Run again after a change of the picture; needs Debian's
# librsvg2-bin.
set -euo pipefail
cd "$(dirname "$0")/../.."
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "packaging/icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" packaging/pallox.svg -o "packaging/icons/${size}x${size}/pallox.png"
done
