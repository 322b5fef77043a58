#!/usr/bin/env bash
# Builds the libFuzzer targets in the sanitizer build (clang, AddressSanitizer
# and UndefinedBehaviorSanitizer, the libraries instrumented for coverage) and
# runs them, as many at a time as the machine has processors, each for the
# given number of seconds (default 60):
#
#     bash tools/fuzz.sh [seconds]
#
# Each target starts from seeds made from the shipped files (the question file,
# the sample matrix files, the help document) and keeps what it learns in
# build/fuzz/corpus/<target> for the next run. An input that breaks a target is
# saved in build/fuzz/findings/ and the script ends with a failure; replay it
# with build/asan/tests/fuzz/fuzz_<target> <file>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash tools/deps.sh
targets=(question_file row_operations keypad_number matrix_file profile cp932)
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

bin=build/asan/tests/fuzz
seeds=build/fuzz/seeds
rm -rf "$seeds"
for t in "${targets[@]}"; do mkdir -p "$seeds/$t" "build/fuzz/corpus/$t"; done
mkdir -p build/fuzz/findings build/fuzz/logs

# Seeds from the shipped files.
cp data/RAver.sim "$seeds/question_file/"
cp data/RAver.sim data/DATA/*.grt data/Gridora.hlp "$seeds/cp932/"
iconv -c -f UTF-8 -t CP932 data/Gridora.hlp >"$seeds/cp932/Gridora.cp932" || true
cp data/DATA/*.grt "$seeds/matrix_file/"
# Each question line, followed by a few composed operations (one byte per
# press: r1 - r2 run; r1 swap r2 run; r1 / 2 run; r2 - r1 x 3 run;
# r1 x 2分の3 run).
n=0
iconv -f CP932 -t UTF-8 data/RAver.sim | tr -d '\r' | grep -v -e '^<<' -e '^>>' -e '^$' |
    while IFS= read -r line; do
        n=$((n + 1))
        { printf '%s\n' "$line"
          printf '\x00\x33\x10\x07\x00\x43\x10\x07\x00\x13\x24\x07\x10\x33\x00\x03\x34\x07'
          printf '\x00\x03\x24\xb4\x34\x07'; } >"$seeds/row_operations/q$n"
    done
# Numbers as the panels and the question file write them.
i=0
for text in 3分の2 -1.25 12/5 -4 0.5 1/2 13 -7分の10 9999 .5; do
    i=$((i + 1))
    printf '%s' "$text" >"$seeds/keypad_number/n$i"
done
iconv -f CP932 -t UTF-8 data/RAver.sim | tr -d '\r' | grep -o -E '[0-9]+([./][0-9]+)?' | sort -u |
    while IFS= read -r number; do printf '%s' "$number" >"$seeds/keypad_number/q$number"; done 2>/dev/null || true
# Record files with the shipped units as sections, and a key to write.
i=0
iconv -f CP932 -t UTF-8 data/RAver.sim | tr -d '\r' | sed -n 's/^<<//p' |
    while IFS= read -r unit; do
        i=$((i + 1))
        { printf '[%s]\r\n1=1\r\n2=1\r\n' "$unit" | iconv -f UTF-8 -t CP932
          printf '\0%s\0%s\0%s' "$unit" "$i" "1"; } >"$seeds/profile/u$i"
    done

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
# Runs one target; its log and its outcome ("clean" or "FAILED") go to
# build/fuzz/logs/.
fuzzOne() {
    local t=$1 log=build/fuzz/logs/$1.log
    if "$bin/fuzz_$t" "build/fuzz/corpus/$t" "$seeds/$t" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="build/fuzz/findings/$t-" >"$log" 2>&1; then
        echo clean >"build/fuzz/logs/$t.status"
    else
        echo FAILED >"build/fuzz/logs/$t.status"
    fi
}
export -f fuzzOne
export bin seeds seconds
rm -f build/fuzz/logs/*.status
printf '%s\n' "${targets[@]}" | xargs -P "$(nproc)" -I{} bash -c 'fuzzOne {}'

failed=()
printf '%-16s %12s %10s\n' target executions corpus
for t in "${targets[@]}"; do
    log=build/fuzz/logs/$t.log
    status=$(cat "build/fuzz/logs/$t.status" 2>/dev/null || echo FAILED)
    [ "$status" = clean ] || failed+=("$t")
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    units=$(find "build/fuzz/corpus/$t" -type f | wc -l)
    printf '%-16s %12s %10s  %s\n' "$t" "${runs:-?}" "$units" "$status"
done
if [ ${#failed[@]} -gt 0 ]; then
    for t in "${failed[@]}"; do
        echo "--- $t (build/fuzz/logs/$t.log)"
        grep -E -A12 'property failed|ERROR: |runtime error' "build/fuzz/logs/$t.log" | head -30
    done
    exit 1
fi
