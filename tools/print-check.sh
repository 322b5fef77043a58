#!/usr/bin/env bash
# Prints a solved worksheet through the print system, as a teacher prints to
# a printer: a CUPS scheduler of its own (on a socket in a temporary folder,
# beside any the machine runs), a cups-pdf queue on it that writes PDF files
# into that folder, and the window test
# PrintTest.PrintCommandPrintsThroughThePrintSystemToTheChosenQueue, which
# chooses the queue in the print dialog, waits for the spooler and checks the
# PDF it wrote: two pages, ink on each, each showing what the program sent
# (whose text holds the date and page header of each page).
# Afterwards the scheduler is stopped and its folder deleted; the machine's
# own printers are never touched.
#
#     bash tools/print-check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)" --target gui_tests >/dev/null

work=$(mktemp -d)
chmod 755 "$work"  # the scheduler's filters run as the lp user
name=tabulon-check-$$
# cups-pdf reads the settings of the queue cups-pdf:/<name> from here.
pdfconf=/etc/cups/cups-pdf-$name.conf
cupsd_pid=
cleanup() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -f "$pdfconf"
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work"/{spool/tmp,cache,state,log,out,pdf-spool}
cat >"$work/cupsd.conf" <<EOF
Listen $work/cups.sock
Browsing Off
WebInterface No
LogLevel warn
# The documents it is sent stay in its folder, for the test to compare.
PreserveJobFiles Yes
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
cat >"$work/cups-files.conf" <<EOF
ServerRoot $work
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
EOF
cat >"$pdfconf" <<EOF
Out $work/out
AnonDirName $work/out
Spool $work/pdf-spool
GSTmp $work/pdf-spool
Log $work/log
Grp root
EOF

/usr/sbin/cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER=$work/cups.sock
for _ in $(seq 1 100); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    sleep 0.1
done
queue=TabulonCheck
ppd=$(dpkg -L printer-driver-cups-pdf | grep '/CUPS-PDF_opt\.ppd$')
lpadmin -p "$queue" -v "cups-pdf:/$name" -E -P "$ppd" 2>/dev/null
lpstat -p "$queue" >/dev/null

log=$work/log/test.log
status=0
TABULON_PRINT_QUEUE=$queue TABULON_PRINT_OUTPUT=$work/out TABULON_PRINT_SPOOL=$work/spool \
    QT_QPA_PLATFORM=offscreen \
    build/dev/gui_tests \
    --gtest_filter=PrintTest.PrintCommandPrintsThroughThePrintSystemToTheChosenQueue \
    >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ] || ! grep -q '^\[  PASSED  \] 1 test' "$log" ||
    grep -q '^\[  SKIPPED \]' "$log"; then
    cat "$log" "$work"/log/* >&2 || true
    echo "print-system check: FAILED" >&2
    exit 1
fi
pdf=$(ls "$work/out")
echo "print-system check: the worksheet went through CUPS to the queue $queue, which wrote $pdf"
