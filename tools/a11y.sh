#!/usr/bin/env bash
# Checks the program as a screen reader sees it: through AT-SPI, on a virtual
# X display with its own D-Bus session and accessibility bus, every control
# whose face is a picture or a symbol is found by its Japanese name, and the
# step pictures describe what they show (tests/a11y/check_atspi.py).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)" --target tabulon
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '<<２元１次連立方程式\r\nx+2y=3;2x+4y=6\r\n>>\r\n' | iconv -f UTF-8 -t CP932 >"$work/RAver.sim"
cp -r data/DATA data/Gridora.hlp "$work/"
xvfb-run -a -s '-screen 0 1024x768x24' \
    dbus-run-session -- /usr/bin/python3 tests/a11y/check_atspi.py "$PWD/build/dev/tabulon" "$work"
