#!/bin/sh
# Installs what is missing, builds both presets and runs every test under Wine.
set -e
cd "$(dirname "$0")/.."
top=$(pwd)
. tools/wine-env.sh
. tools/display.sh
. tools/printer.sh

t0=$(date +%s)
tools/install-deps.sh
# The label tests print; Wine must find the printer from its first process on.
ravlen_printer || echo "No printer: the label printing tests will fail." >&2
t1=$(date +%s)

cmake --preset win64 >/dev/null
cmake --build --preset win64
cmake --preset win32 >/dev/null
cmake --build --preset win32
t2=$(date +%s)

ravlen_display
prefix="$top/build/win64/wineprefix"
ravlen_wine_env "$prefix"
tools/wine-prefix.sh "$prefix"
# One wineserver for the whole run instead of one per test.
"$WINESERVER" -p 2>/dev/null || true  # one may serve the prefix already
cleanup() {
    "$WINESERVER" -k 2>/dev/null || true
    ravlen_display_stop
}
trap cleanup EXIT

status=0
ctest --preset win64 || status=$?
t3=$(date +%s)
echo "Times: install $((t1 - t0)) s, build $((t2 - t1)) s, test $((t3 - t2)) s"
exit $status
