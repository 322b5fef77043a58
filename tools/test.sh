#!/usr/bin/env bash
# Builds everything and runs every test: the core and window tests, then the
# core and window tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then the accessibility check through AT-SPI, then every fuzz target for
# 20 seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"
bash tools/a11y.sh
bash tools/fuzz.sh 20
