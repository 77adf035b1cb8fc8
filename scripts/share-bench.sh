#!/usr/bin/env bash
# Times the first scan, Refresh All and Reload Data of a library on a slow share: generates a
# library, mounts it behind pallox_slowshare (every look-up, listing, open and read waits the
# delay), runs pallox_share_scan on it and unmounts it again. Needs /dev/fuse and the right to
# mount (root); installs libfuse3-dev and fuse3 when they are missing.
#
#   bash scripts/share-bench.sh [--games N] [--delay-ms D] [--build DIR] [pallox_share_scan options]
#
# For example `--in-flight 16,32,64 --runs 5` compares windows; `--serial-games 500` times the
# one-after-another reference on the first 500 game folders.
set -euo pipefail
cd "$(dirname "$0")/.."

games=10000
delay_ms=2
build=build-bench
passed=()
while [ $# -gt 0 ]; do
  case "$1" in
    --games) games="$2"; shift 2 ;;
    --delay-ms) delay_ms="$2"; shift 2 ;;
    --build) build="$2"; shift 2 ;;
    *) passed+=("$1"); shift ;;
  esac
done

if [ ! -c /dev/fuse ]; then
  echo "skipped: /dev/fuse is missing, so no share can be mounted here"
  exit 0
fi
missing=()
for package in libfuse3-dev fuse3; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPALLOX_BUILD_TESTS=OFF -DPALLOX_BUILD_BENCH=ON
else
  cmake -S . -B "$build" -DPALLOX_BUILD_BENCH=ON > /dev/null
fi
cmake --build "$build" -j"$(nproc)" --target pallox pallox_slowshare pallox_share_scan

source tools/slowshare/work-folder.sh pallox-share
echo "Generating a library of $games games ..."
"$build/bench/pallox_share_scan" --source "$work/source" --generate "$games"
# The sample library, whose games have pictures, for timing selections on the share.
mkdir -p "$work/source/sample"
cp -r data/Games data/PALLOX.ini "$work/source/sample/"
"$build/tools/slowshare/pallox_slowshare" --delay-ms="$delay_ms" --stats="$work/operations.txt" \
  "$work/source" "$work/share"
mounted=1

echo "Share: ${delay_ms} ms for every look-up, listing, open, read and write; $(nproc) cores;" \
  "load average $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/pallox_share_scan" --share "$work/share" --source "$work/source" \
  --pallox "$build/pallox" --sample sample "${passed[@]}"
echo "Load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"

fusermount3 -u "$work/share"
mounted=""
# The tool writes its counts as it unmounts.
for _ in 1 2 3 4 5 6 7 8 9 10; do [ -s "$work/operations.txt" ] && break; sleep 0.2; done
if [ -s "$work/operations.txt" ]; then
  echo "Operations that waited for the share, all measurements together:"
  sed 's/^/  /' "$work/operations.txt"
fi
