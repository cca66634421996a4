#!/bin/sh
# Times the wizard's start and memory against a bare Wizard97 program (the
# floor) and against its own page templates in a plain Wizard97 sheet (floor2),
# one Save pass, the Customize Keys page's first showing and its files
# tree opening a folder of 5 000 files, and the On-Screen Display page's face
# list and example refresh, under Wine, and prints the figures and ratios.
# With --floor-vs-floor it measures the floor against itself, a check of the
# benchmark (the ratios should be near 1).
set -e
cd "$(dirname "$0")/.."
top=$(pwd)
. tools/wine-env.sh
. tools/display.sh

measured="$top/build/win64/bin/Ravlen.exe"
case "${1:-}" in
    --floor-vs-floor) measured="$top/build/win64/tests/BareWizard.exe" ;;
    "") ;;
    *) echo "usage: tools/benchmark.sh [--floor-vs-floor]" >&2; exit 2 ;;
esac

tools/install-deps.sh
cmake --preset win64 >/dev/null
# Quiet when the build is up to date or succeeds; its log when it fails.
log=$(mktemp)
if ! cmake --build --preset win64 >"$log" 2>&1; then
    cat "$log"
    rm -f "$log"
    echo "The win64 build failed; nothing measured." >&2
    exit 1
fi
rm -f "$log"

# A Linux path as Wine's Z: drive shows it.
dos() { printf 'Z:%s' "$1" | tr / '\\'; }

ravlen_display
prefix="$top/build/win64/wineprefix"
ravlen_wine_env "$prefix"
tools/wine-prefix.sh "$prefix"
# One wineserver for the whole run, so that no start pays for booting it. When
# one already serves the prefix (someone else's run), it is used and left alone.
own_server=""
"$WINESERVER" -p 2>/dev/null && own_server=1
cleanup() {
    [ -z "$own_server" ] || "$WINESERVER" -k 2>/dev/null || true
    ravlen_display_stop
}
trap cleanup EXIT

# The programs find DormexUtil.dll as in the tests.
export WINEPATH="$(dos "$top/build/win64/bin")"
export RAVLEN_BIN_DIR="$WINEPATH"
wine "$top/build/win64/tests/RavlenBench.exe" \
    --runs 10 \
    --floor "$(dos "$top/build/win64/tests/BareWizard.exe")" \
    --same-templates "$(dos "$top/build/win64/tests/SameTemplatesWizard.exe")" \
    --program "$(dos "$measured")" \
    --save-pass "$(dos "$top/build/win64/tests/save_pass_bench.exe")" </dev/null
# The On-Screen Display page's face list and example, with the prefix's fonts.
wine "$top/build/win64/tests/osd_bench.exe" </dev/null
