#!/bin/sh
# wine-prefix.sh PREFIX
# Makes the Wine prefix the first time (under a lock, so parallel tests wait
# for one another): boots it, gives it Wine's own fonts, and sets the registry
# entries that make windows behave as on Windows without a window manager.
set -e
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1
. "$here/wine-env.sh"
ravlen_wine_env "$prefix"
stamp="$prefix/.ravlen-ready"
[ -f "$stamp" ] && [ "$stamp" -nt "$here/wine-prefix.sh" ] && exit 0

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$stamp" ] && [ "$stamp" -nt "$here/wine-prefix.sh" ] && exit 0

wineboot -i >/dev/null 2>&1 || true
"$WINESERVER" -w

# Debian's Wine leaves the prefix's font folder empty.
fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp -f /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true

reg="$prefix/ravlen-prefix.reg"
cat > "$reg" <<'REG'
REGEDIT4

; Without a window manager, destroying a managed window waits 2 s for it.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"
REG
wine regedit /S "$reg" >/dev/null 2>&1
"$WINESERVER" -w
touch "$stamp"
