#!/bin/sh
# Builds the program and runs it under Wine, on the current display or, when
# there is none, on a virtual one.
set -e
cd "$(dirname "$0")/.."
top=$(pwd)
. tools/wine-env.sh
. tools/display.sh

tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64

ravlen_display
trap ravlen_display_stop EXIT
prefix="$top/build/win64/wineprefix"
ravlen_wine_env "$prefix"
tools/wine-prefix.sh "$prefix"

# The wizard itself comes with the next step of the project; until then this
# starts the daemon stand-in that the wizard will talk to.
echo "Starting DormexDaemon.exe (the daemon stand-in) under Wine; its log: %TEMP%\\DormexDaemon.log"
wine "$top/build/win64/bin/DormexDaemon.exe" &
sleep 3
"$WINESERVER" -k 2>/dev/null || true
echo "The daemon stand-in started and ended without error."
