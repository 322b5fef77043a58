#!/usr/bin/env bash
# Builds the program and starts it in the shipped data folder, which holds the
# question file, the sample matrix files and the help document.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)" --target tabulon
cd data
exec ../build/dev/tabulon "$@"
