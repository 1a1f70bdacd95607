#!/bin/bash
# Installs the build and test tools on Debian 12 when they are missing.
set -euo pipefail
need=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || need+=(cmake)
have ninja || need+=(ninja-build)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
have i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686-posix)
[ -f /usr/x86_64-w64-mingw32/lib/libz.a ] && [ -f /usr/i686-w64-mingw32/lib/libz.a ] || need+=(libz-mingw-w64-dev)
have wine || need+=(wine)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
have Xvfb || need+=(xvfb)
# Wine's own fonts: dialogs are measured and drawn with them.
for pkg in fonts-wine fonts-liberation; do
    dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
have flock || need+=(util-linux)
have python3 || need+=(python3)
[ -d /usr/src/googletest ] || need+=(googletest)
if [ ${#need[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
