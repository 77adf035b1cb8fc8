#!/usr/bin/env bash
# Times the README's test command as a newcomer meets it: a fresh clone of the committed main into
# a temporary folder, an empty compiler cache, the packages already installed. Two such runs, then
# a second run in the last clone after a one-line change to one source file. The result replaces
# the section "The test command" of BENCHMARKS.md.
#
#   bash scripts/time-test-command.sh [--runs N] [--out FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
runs=2
out="$repo/BENCHMARKS.md"
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --out) out="$2"; shift 2 ;;
    *) echo "usage: $0 [--runs N] [--out FILE]" >&2; exit 2 ;;
  esac
done

bash scripts/packages.sh test
work="$(mktemp -d "${TMPDIR:-/tmp}/pallox-test-timing.XXXXXX")"
failed=""
trap '[ -n "$failed" ] || rm -rf "$work"' EXIT
commit="$(git rev-parse --short HEAD)"

# Runs the test command in CLONE with an empty cache of its own; prints the seconds it took.
timed_run() {
  local clone="$1" log="$2" start end
  start="$(date +%s.%N)"
  (cd "$clone" && CCACHE_DIR="$clone.ccache" /usr/bin/time -f "%U %S" -o "$log.cpu" \
    bash scripts/test.sh > "$log" 2>&1) || return 1
  end="$(date +%s.%N)"
  echo "$start $end" | awk '{ printf "%.0f", $2 - $1 }'
}

fail() {
  failed=1
  echo "The test command failed; its output is in $1" >&2
  exit 1
}

# User and system time of the command and everything it started, in seconds.
processor() { awk '{ printf "%.0f", $1 + $2 }' "$1"; }

minutes() { awk -v s="$1" 'BEGIN { printf "%d min %02d s", s / 60, s % 60 }'; }

load_start="$(cut -d' ' -f1 /proc/loadavg)"
fresh=()
cpu=()
for run in $(seq 1 "$runs"); do
  rm -rf "$work/clone" "$work/clone.ccache"
  git clone -q "$repo" "$work/clone"
  seconds="$(timed_run "$work/clone" "$work/run$run.log")" || fail "$work/run$run.log"
  fresh+=("$seconds")
  cpu+=("$(processor "$work/run$run.log.cpu")")
  echo "Fresh clone, run $run: $(minutes "$seconds"), processor time $(minutes "${cpu[-1]}")"
done

# A one-line change: a comment added to a source file of the core, which every program links.
echo "// a one-line change" >> "$work/clone/src/library/LibraryScanner.cpp"
again="$(timed_run "$work/clone" "$work/again.log")" || fail "$work/again.log"
again_cpu="$(processor "$work/again.log.cpu")"
echo "After a one-line change: $(minutes "$again"), processor time $(minutes "$again_cpu")"

tests_normal="$(grep -Eo 'out of [0-9]+' "$work/again.log" | head -1 | grep -Eo '[0-9]+')"
suite_normal="$(grep -E 'Total Test time' "$work/again.log" | head -1 | grep -Eo '[0-9.]+ sec')"
suite_sanitized="$(grep -E 'Total Test time' "$work/again.log" | tail -1 | grep -Eo '[0-9.]+ sec')"

{
  echo "## The test command"
  echo
  echo "Written by \`scripts/time-test-command.sh\` on $(date +%Y-%m-%d), commit $commit, on $(nproc) cores;"
  echo "load average $load_start at the start, $(cut -d' ' -f1 /proc/loadavg) at the end."
  echo "Each run is \`bash scripts/test.sh\` in a fresh clone with an empty compiler cache and the"
  echo "packages installed; both suites run whole in every run ($tests_normal ctest tests each, with"
  echo "every GoogleTest case in one of its program's shards)."
  echo
  echo "| Run | Time | Processor time (all cores) | Target |"
  echo "|---|---|---|---|"
  for run in $(seq 1 "$runs"); do
    echo "| Fresh clone, run $run | $(minutes "${fresh[$((run - 1))]}") | $(minutes "${cpu[$((run - 1))]}") | ≤ 6 min |"
  done
  echo "| The same clone again after a one-line change in \`src/library/LibraryScanner.cpp\` | $(minutes "$again") | $(minutes "$again_cpu") | < 1 min |"
  echo
  echo "In the last run the tests themselves took $suite_normal (normal build) and $suite_sanitized"
  echo "(sanitizer build), side by side."
} > "$work/section.md"

if [ -f "$out" ] && grep -q '^## The test command' "$out"; then
  sed -i '/^## The test command/,$d' "$out"
  sed -i -e :a -e '/^\n*$/{$d;N;ba' -e '}' "$out"
fi
if [ -f "$out" ]; then echo >> "$out"; fi
cat "$work/section.md" >> "$out"
echo "Wrote the section \"The test command\" of $out"
