#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of seconds (default 60):
#   scripts/fuzz.sh [seconds] [target...]
# Corpora grow in build-fuzz/corpus/<target>, seeded from the tests' fixtures; an input that
# breaks a target is written to fuzz/regressions/<target>/, where the test suite replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
command -v clang++ >/dev/null || { echo "fuzz.sh needs clang (apt-get install clang)" >&2; exit 2; }
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DPALLOX_FUZZ=ON -DPALLOX_BUILD_TESTS=OFF -DPALLOX_BUILD_BENCH=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(IniFuzz GridFuzz CommandLineFuzz AppearanceTextFuzz PngThumbnailFuzz LaunchBoxFuzz DOSBoxConfFuzz SkinsFuzz)
fi
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

seed() {
  local target="$1" corpus="$2"
  case "$target" in
    IniFuzz) cp tests/data/*.ini data/PALLOX.ini "$corpus"/ 2>/dev/null || true
             find data/Games -name '*.ini' -exec cp {} "$corpus"/ \; ;;
    GridFuzz) find tests -name 'cache*.txt' -exec cp {} "$corpus"/ \; 2>/dev/null || true
              printf '2\r\n2\r\nName\r\nGame\r\nYear\r\n1990\r\n' > "$corpus/small.txt" ;;
    DOSBoxConfFuzz) find tests/data/dosboxconf -type f -exec cp {} "$corpus"/ \; ;;
    LaunchBoxFuzz) find tests/data/export -name '*.xml' -exec cp {} "$corpus"/ \; ;;
    PngThumbnailFuzz) find data -name '*.png' -size -64k -exec cp {} "$corpus"/ \; ;;
    SkinsFuzz) for f in data/Skins/*.ini; do printf '\x80DOS\x001987\x00' | cat - "$f" > "$corpus/$(basename "$f")"; done ;;
    *) printf 'seed' > "$corpus/seed" ;;
  esac
}

failed=()
for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  regressions="fuzz/regressions/$target"
  mkdir -p "$corpus" "$regressions"
  [ -n "$(ls -A "$corpus")" ] || seed "$target" "$corpus"
  echo "== $target for ${seconds}s"
  log="build-fuzz/$target.log"
  if ! ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen "build-fuzz/fuzz/$target" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -artifact_prefix="$regressions/" \
      -print_final_stats=1 "$corpus" >"$log" 2>&1; then
    echo "$target found a fault; see $log and $regressions/" >&2
    tail -30 "$log" >&2
    failed+=("$target")
    continue
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$log" | sed "s/^/  /"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "faults found by: ${failed[*]}" >&2
  exit 1
fi
