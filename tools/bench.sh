#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)"
./build/bench/tabulon_bench "$@"
