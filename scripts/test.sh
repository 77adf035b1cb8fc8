#!/usr/bin/env bash
# Installs what the build and the tests need, builds everything and runs every test: once in the
# normal build, once built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh test
jobs="$(nproc)"

tools=()
if command -v ccache > /dev/null; then
  # A fresh clone in another folder (as CI makes) still finds what an earlier clone compiled:
  # paths below the clone count relative to it, and the build folder's own path is left out.
  # Depend mode takes the headers from the compiler's own dependency file, so that a miss costs
  # no extra run of the preprocessor over Qt's headers.
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1 CCACHE_DEPEND=1
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
  tools=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# LLVM's linker links a test program in a fraction of the time of the default one, and a change in
# the core relinks some twenty programs in each build.
if command -v ld.lld > /dev/null; then
  tools+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
fi

# Ninja schedules the files of every target in one graph and checks a rebuild's dependencies
# once, where CMake's makefiles run a make for each target. A build folder keeps the generator it
# was first made with, so one that make made is made again.
for dir in build-test build-sanitize; do
  if [ -f "$dir/CMakeCache.txt" ] && ! grep -qx "CMAKE_GENERATOR:INTERNAL=Ninja" "$dir/CMakeCache.txt"; then
    rm -rf "$dir"
  fi
done

# Line tables are all a failing test's stack trace needs; full debug information would double the
# time spent writing and linking objects.
cmake -G Ninja -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALLOX_WARNINGS_AS_ERRORS=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" "${tools[@]}"
cmake --build build-test -j"$jobs"

cmake -G Ninja -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALLOX_WARNINGS_AS_ERRORS=ON \
  -DPALLOX_SANITIZE=ON -DPALLOX_BUILD_BENCH=OFF "${tools[@]}"
cmake --build build-sanitize -j"$jobs"

# Both suites at once: much of a run is the end-to-end cases waiting for the program they drive,
# and the other suite's tests fill that time. Each suite's report is printed whole when it ends.
run_suite() {
  (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$((jobs * 2))" > ctest.log 2>&1)
}
run_suite build-test & normal=$!
run_suite build-sanitize & sanitized=$!
status=0
wait "$normal" || status=1
echo "=== Normal build (build-test) ==="
cat build-test/ctest.log
wait "$sanitized" || status=1
echo "=== AddressSanitizer and UndefinedBehaviorSanitizer build (build-sanitize) ==="
cat build-sanitize/ctest.log
exit "$status"
