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
[ -f "$stamp" ] && [ "$stamp" -nt "$here/wine-prefix.sh" ] && [ "$stamp" -nt "$here/dialog-face.py" ] && exit 0

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$stamp" ] && [ "$stamp" -nt "$here/wine-prefix.sh" ] && [ "$stamp" -nt "$here/dialog-face.py" ] && exit 0

# Wine's services outlive the programs that start them, and a test run keeps
# its wineserver alive, so nothing here waits for the server to end: programs
# see the registry through the running server. The services must not inherit
# the lock, or they would hold it for as long as they run.
wineboot -i >/dev/null 2>&1 9>&- || true

# Debian's Wine leaves the prefix's font folder empty. Its "MS Sans Serif" is
# a bitmap face (sserife.fon; ms_sans_serif.ttf holds bitmaps only, and Wine
# does not load it): exact at 8 points, but the Frame fonts scaled from it
# come out spaced apart or distorted, and it has no Chinese or Japanese glyphs.
# So it stays out, and "MS Sans Serif" is replaced below.
fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp -f /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
rm -f "$fonts"/sserife.fon "$fonts"/ssee*.fon "$fonts"/ssef*.fon "$fonts"/ms_sans_serif.ttf
/usr/bin/python3 "$here/dialog-face.py" "$fonts"

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

# The dialogs' faces. Latin templates ask for "MS Sans Serif" 8, and their
# texts were laid out for its Windows metrics: 6 x 13 pixel base units, and
# 9-point body text as wide as 8-point text (Windows draws both from the same
# bitmap strike; the English Welcome line is 181 px, in a 183 px static). No
# installed face has both (measured at 8 and 9 points: WenQuanYi 6 x 13 but
# 202 px, Carlito 6 x 13 and 190 px, Liberation Sans Narrow 5 x 12 and 167 px,
# Nimbus Sans Narrow 5 x 15), so dialog-face.py derives one that has:
# "Ravlen Dialog Sans", 6 x 13 and 180 px. Chinese and Japanese text asks for
# the same face with the locale's character set, which this Latin face lacks,
# so Wine draws it in WenQuanYi, which has all three scripts; Traditional
# Chinese templates ask for "新細明體", replaced by it.
# Captions are Tahoma: Wine writes its own link list for "Tahoma" at every
# start (an entry made here is lost) but keeps the one for "Tahoma Bold".
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
"MS Sans Serif"="Ravlen Dialog Sans"
"新細明體"="WenQuanYi Micro Hei"
"PMingLiU"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"
"MS UI Gothic"="WenQuanYi Micro Hei"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]
REG
echo "\"Tahoma Bold\"=$(multi_string "$cjk")"
} | sed 's/$/\r/' | { printf '\377\376'; iconv -f UTF-8 -t UTF-16LE; } > "$reg"
wine regedit /S "$reg" >/dev/null 2>&1 9>&-
touch "$stamp"
