#!/bin/sh
# Installs, from Debian's packages, what building and testing need. Quick when
# everything is there already.
set -e
packages="cmake ninja-build g++ mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest
  wine wine64 fonts-wine xvfb xauth fonts-liberation util-linux fonts-wqy-microhei locales
  libfreetype-dev pkg-config fontconfig python3 python3-fonttools
  cups cups-client printer-driver-cups-pdf libcups2 poppler-utils
  msitools wixl"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages:$missing. Run this as root, or install them with apt-get." >&2
        exit 1
    fi
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

# Wine takes a process's interface language from its locale, and a locale that
# is not generated acts as C (English). One locale for each of the program's
# languages, so that the wizard started in it shows that language (Spanish
# twice: es_ES gives the modern sort, es_MX Mexico), and nl_NL, a language the
# program has no resources for.
locales="en_US de_DE fr_FR it_IT es_ES es_MX pt_BR cs_CZ sk_SK sl_SI tr_TR ja_JP zh_CN zh_TW nl_NL"
wanted=""
for l in $locales; do
    locale -a 2>/dev/null | grep -qx "$l.utf8" || wanted="$wanted $l"
done
[ -z "$wanted" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing locales:$wanted. Run this as root, or generate them with locale-gen." >&2
    exit 1
fi
echo "Generating locales:$wanted"
for l in $wanted; do
    if grep -q "^# *$l.UTF-8 UTF-8" /etc/locale.gen; then
        sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    elif ! grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen; then
        echo "$l.UTF-8 UTF-8" >> /etc/locale.gen
    fi
done
locale-gen >/dev/null
