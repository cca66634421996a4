#!/bin/sh
# stress-tests.sh [N]
# Runs the end-to-end tests (label e2e) N times (default 10) in one prefix,
# one after the other, and prints each failure with its test and run number,
# then the count. Builds nothing: run tools/test-all.sh (or build win64) first.
# Each run's whole output is kept in build/stress/run-K.log.
set -u
cd "$(dirname "$0")/.."
top=$(pwd)
runs=${1:-10}
. tools/wine-env.sh
. tools/display.sh
. tools/printer.sh

[ -d build/win64/tests ] || { echo "build win64 first (tools/test-all.sh or cmake --build --preset win64)" >&2; exit 2; }
ravlen_printer || echo "No printer: the label printing tests will fail." >&2
ravlen_display
prefix="$top/build/win64/wineprefix"
ravlen_wine_env "$prefix"
tools/wine-prefix.sh "$prefix"
"$WINESERVER" -p 2>/dev/null || true
cleanup() {
    "$WINESERVER" -k 2>/dev/null || true
    ravlen_display_stop
}
trap cleanup EXIT

mkdir -p build/stress
failures=0
failed_runs=0
for run in $(seq 1 "$runs"); do
    log="build/stress/run-$run.log"
    start=$(date +%s)
    ctest --preset win64 -L e2e --output-on-failure >"$log" 2>&1
    status=$?
    seconds=$(( $(date +%s) - start ))
    # CTest lists what failed as "  N - name (Failed|Timeout|...)".
    failed=$(sed -n '/The following tests FAILED/,$p' "$log" | sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (\(.*\))$/\1 (\2)/p')
    if [ "$status" -eq 0 ]; then
        echo "run $run: passed in $seconds s"
    else
        failed_runs=$((failed_runs + 1))
        [ -n "$failed" ] || failed="ctest exit status $status (see $log)"
        echo "$failed" | while read -r line; do echo "run $run: FAILED $line"; done
        failures=$((failures + $(echo "$failed" | wc -l)))
        echo "run $run: took $seconds s; its output is in $log"
    fi
done
echo "$runs runs, $failed_runs with failures, $failures failed tests"
[ "$failures" -eq 0 ]
