#!/bin/sh
# Builds the program and runs the wizard under Wine: on the current display,
# or, when there is none, on a virtual one, leaving a screenshot behind.
set -e
cd "$(dirname "$0")/.."
top=$(pwd)
. tools/wine-env.sh
. tools/display.sh
. tools/printer.sh

tools/install-deps.sh
# The default printer: a PDF queue, unless the machine has one already.
ravlen_printer keep || echo "No printer: the wizard will print nothing." >&2
cmake --preset win64 >/dev/null
cmake --build --preset win64

prefix="$top/build/win64/wineprefix"
ravlen_wine_env "$prefix"
ravlen_display
trap ravlen_display_stop EXIT
tools/wine-prefix.sh "$prefix"
echo "A label printed from the wizard on the PDF printer lands in $RAVLEN_PDF_DIR/."

if [ -z "$RAVLEN_XVFB_PID" ]; then
    echo "Running the wizard on display $DISPLAY; it ends when you close it."
    wine "$top/build/win64/bin/Ravlen.exe"
    exit 0
fi

# No display of the user's: show the wizard on a virtual one and keep a picture of it.
mkdir -p "$top/build/screenshots"
shot="$top/build/screenshots/run-wizard.png"
wine "$top/build/win64/bin/Ravlen.exe" &
wizard=$!
status=0
wine "$top/build/win64/tools/RavlenSnap.exe" "Z:$(echo "$shot" | tr / '\\')" "#32770" 30 || status=$?
"$WINESERVER" -k 2>/dev/null || true
wait $wizard 2>/dev/null || true
if [ $status -ne 0 ]; then
    echo "The wizard did not show within 30 s." >&2
    exit 1
fi
echo "There is no display here, so the wizard ran on a virtual one ($DISPLAY)."
echo "Screenshot of its first page: $shot"
