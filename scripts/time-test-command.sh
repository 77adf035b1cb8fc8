#!/usr/bin/env bash
# Times the README's test command as a newcomer meets it: a fresh clone of the committed main into
# a temporary folder, an empty compiler cache, the packages already installed. Two such runs, then
# a second run in the last clone after a one-line change to one source file. The result replaces
# the section "The test command" of BENCHMARKS.md.
#
# With --green N it runs the command instead on N fresh clones in a row, each with an empty
# compiler cache, and counts how many were green; the count and the times go into the same
# section, beside the times, and the command fails unless every run was green. --dry-run goes
# through every step but runs `true` in place of the test command, to check this script itself
# (into a copy given with --out).
#
#   bash scripts/time-test-command.sh [--runs N] [--out FILE] [--dry-run]
#   bash scripts/time-test-command.sh --green N [--out FILE] [--dry-run]
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
runs=2
green=0
dry=""
out="$repo/BENCHMARKS.md"
usage() { echo "usage: $0 [--runs N | --green N] [--out FILE] [--dry-run]" >&2; exit 2; }
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="${2:?}"; shift 2 ;;
    --green) green="${2:?}"; shift 2 ;;
    --out) out="${2:?}"; shift 2 ;;
    --dry-run) dry=1; shift ;;
    *) usage ;;
  esac
done
case "$runs$green" in *[!0-9]*) usage ;; esac

[ -n "$dry" ] || bash scripts/packages.sh test
work="$(mktemp -d "${TMPDIR:-/tmp}/pallox-test-timing.XXXXXX")"
failed=""
trap '[ -n "$failed" ] || rm -rf "$work"' EXIT
commit="$(git rev-parse --short HEAD)"
test_command=(bash scripts/test.sh)
[ -z "$dry" ] || test_command=(true)

# Runs the test command in CLONE with an empty cache of its own; prints the seconds it took.
timed_run() {
  local clone="$1" log="$2" start end
  start="$(date +%s.%N)"
  (cd "$clone" && CCACHE_DIR="$clone.ccache" /usr/bin/time -f "%U %S" -o "$log.cpu" \
    "${test_command[@]}" > "$log" 2>&1) || return 1
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

# The paragraph of green runs in the section, from its first line to the blank line after it.
green_paragraph() {
  [ -f "$1" ] || return 0
  awk '/^## / { inside = ($0 == "## The test command") }
       inside && /^Green on fresh clones/ { keep = 1 }
       keep && /^$/ { exit }
       keep { print }' "$1"
}

load_start="$(cut -d' ' -f1 /proc/loadavg)"

if [ "$green" -gt 0 ]; then
  # Each run is a newcomer's: a clone of its own and an empty cache, cleared before the next.
  times=()
  greens=0
  for run in $(seq 1 "$green"); do
    rm -rf "$work/clone" "$work/clone.ccache"
    git clone -q "$repo" "$work/clone"
    start="$(date +%s)"
    log="$work/clone$run.log"
    if (cd "$work/clone" && CCACHE_DIR="$work/clone.ccache" "${test_command[@]}" > "$log" 2>&1); then
      greens=$((greens + 1))
      verdict="green"
    else
      # A red run's log stays for a look, with the names of the tests that failed.
      failed=1
      verdict="RED, see $log; failed: $( (grep -E '^\s+[0-9]+ - ' "$log" || true) |
        awk '{ print $3 }' | tr '\n' ' ')"
    fi
    seconds=$(($(date +%s) - start))
    times+=("$(minutes "$seconds")")
    echo "Fresh clone $run of $green: $(minutes "$seconds"), $verdict"
  done
  echo "Green: $greens of $green"

  paragraph="$work/green.md"
  {
    printf 'Green on fresh clones (`bash scripts/time-test-command.sh --green %s` on %s, commit %s,' \
      "$green" "$(date +%Y-%m-%d)" "$commit"
    printf ' on %s cores, load average %s at the start and %s at the end): **%s of %s** runs green;' \
      "$(nproc)" "$load_start" "$(cut -d' ' -f1 /proc/loadavg)" "$greens" "$green"
    printf ' they took %s.' "$(IFS=,; echo "${times[*]}" | sed 's/,/, /g')"
    [ -z "$dry" ] || printf ' (A dry run of the script: `true` stood in for the test command.)'
    echo
  } | fold -s -w 98 | sed 's/ *$//' > "$paragraph"

  # The paragraph goes at the end of the section, in place of the one an earlier count left.
  if [ -f "$out" ] && grep -q '^## The test command' "$out"; then
    awk -v file="$paragraph" '
      function put() { while ((getline line < file) > 0) print line; close(file) }
      /^## / {
        if (inside) { put(); print ""; done = 1 }
        inside = ($0 == "## The test command")
      }
      inside && /^Green on fresh clones/ { skip = 1 }
      skip { if ($0 == "") skip = 0; next }
      { print; last = $0 }
      END { if (inside && !done) { if (last != "") print ""; put() } }' "$out" > "$work/out.md"
    cat "$work/out.md" > "$out"
  else
    { [ ! -f "$out" ] || echo; echo "## The test command"; echo; cat "$paragraph"; } >> "$out"
  fi
  echo "Wrote the count of green runs into the section \"The test command\" of $out"
  [ "$greens" -eq "$green" ] || exit 1
  exit 0
fi

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

# (Empty in a dry run, which has no ctest report.)
tests_normal="$(grep -Eo 'out of [0-9]+' "$work/again.log" | head -1 | grep -Eo '[0-9]+' || true)"
suite_normal="$(grep -E 'Total Test time' "$work/again.log" | head -1 | grep -Eo '[0-9.]+ sec' || true)"
suite_sanitized="$(grep -E 'Total Test time' "$work/again.log" | tail -1 | grep -Eo '[0-9.]+ sec' || true)"

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
  # The count of green runs (--green) is kept: it was made apart from these times.
  previous="$(green_paragraph "$out")"
  if [ -n "$previous" ]; then
    echo
    echo "$previous"
  fi
} > "$work/section.md"

if [ -f "$out" ] && grep -q '^## The test command' "$out"; then
  sed -i '/^## The test command/,$d' "$out"
  sed -i -e :a -e '/^\n*$/{$d;N;ba' -e '}' "$out"
fi
if [ -f "$out" ]; then echo >> "$out"; fi
cat "$work/section.md" >> "$out"
echo "Wrote the section \"The test command\" of $out"
