#!/usr/bin/env bash
# Speed, measured on the release build in one run, with ratios taken in the
# same run:
# - start-up: the program against a bare Qt program with a menu and an MDI
#   area (built here too), started in turns; median time from process start
#   to the first frame, processor time, peak memory, and their ratios;
# - a run (実行) on a 4-unknown question: from the click to the worksheet
#   painted, median and 99th percentile over 200 runs;
# - printing: a solved 24-step worksheet to a PDF file, median of 5;
# - the question editor opened on the largest question file accepted;
# - the core's micro-benchmarks (arithmetic, matrices); arguments go to them.
# The windows run on a virtual X display. The machine's load is printed first:
# other work on the same processors shows in the wall-clock figures.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target tabulon bare_qt run_bench tabulon_bench
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
    cd data
    python3 ../tests/bench/startup.py ../build/release/tabulon ../build/release/bare_qt . 21
    ../build/release/run_bench 200 2>/dev/null
'
./build/release/tabulon_bench "$@"
