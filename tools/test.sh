#!/usr/bin/env bash
# Builds everything and runs every test: the core and window tests and the
# packaging checks (dev build), then the core and window tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer (a clang build that also
# makes the fuzz targets), then the accessibility check through AT-SPI, a
# worksheet printed through the print system (CUPS), and every fuzz target
# for 20 seconds. Each step's time is printed at its end.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
step() { echo "=== $1 done at $((SECONDS - start)) s"; }
bash tools/deps.sh
step "packages"
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
# ccache, where the machine has it, keeps compiled files between runs and
# between copies of the repository.
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_NOHASHDIR=1
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
    export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
fi
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"
step "dev build"
ctest --preset dev -j "$jobs"
step "dev tests"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
step "sanitizer build"
ctest --preset asan -j "$jobs"
step "sanitizer tests"
bash tools/a11y.sh
step "accessibility check"
bash tools/print-check.sh
step "print-system check"
bash tools/fuzz.sh 20
step "fuzzing"
