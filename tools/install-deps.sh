#!/bin/sh
# Installs, from Debian's packages, what building and testing need. Quick when
# everything is there already.
set -e
packages="cmake ninja-build g++ mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest
  wine wine64 fonts-wine xvfb xauth fonts-liberation util-linux"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages:$missing. Run this as root, or install them with apt-get." >&2
    exit 1
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends $missing >/dev/null
