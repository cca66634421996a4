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

# Wine's services outlive the programs that start them, and a test run keeps
# its wineserver alive, so nothing here waits for the server to end: programs
# see the registry through the running server. The services must not inherit
# the lock, or they would hold it for as long as they run.
wineboot -i >/dev/null 2>&1 9>&- || true

# Debian's Wine leaves the prefix's font folder empty. Its own "MS Sans Serif"
# has no Chinese or Japanese glyphs and would win over a replacement, so it
# stays out.
fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp -f /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
rm -f "$fonts"/sserife.fon "$fonts"/ssee*.fon "$fonts"/ssef*.fon "$fonts"/ms_sans_serif.ttf

# A multi-string value in a .reg file: UTF-16LE bytes in hex, each string
# ended by a zero, the list ended by another.
multi_string() {
    printf 'hex(7):'
    for s in "$@"; do
        printf '%s' "$s" | od -An -v -tx1 | tr -s ' \n' '\n\n' | sed '/^$/d' | sed 's/$/,00,/' | tr -d '\n'
        printf '00,00,'
    done
    printf '00,00'
}
cjk="wqy-microhei.ttc,WenQuanYi Micro Hei"

# The dialogs' faces: English and Japanese templates ask for "MS Sans Serif",
# Traditional Chinese ones for "新細明體"; both come out in a face with the
# glyphs of all three scripts. Captions use Tahoma, which links to it.
# regedit reads non-ASCII names only from a UTF-16LE file.
reg="$prefix/ravlen-prefix.reg"
{
cat <<'REG'
Windows Registry Editor Version 5.00

; Without a window manager, destroying a managed window waits 2 s for it.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"
"MS Sans Serif"="WenQuanYi Micro Hei"
"新細明體"="WenQuanYi Micro Hei"
"PMingLiU"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"
"MS UI Gothic"="WenQuanYi Micro Hei"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]
REG
echo "\"Tahoma\"=$(multi_string "$cjk")"
echo "\"Tahoma Bold\"=$(multi_string "$cjk")"
} | sed 's/$/\r/' | { printf '\377\376'; iconv -f UTF-8 -t UTF-16LE; } > "$reg"
wine regedit /S "$reg" >/dev/null 2>&1 9>&-
touch "$stamp"
