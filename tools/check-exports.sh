#!/bin/bash
# The library's plain (not C++) exports must be exactly the five entry points, undecorated.
set -euo pipefail
arch=$1 dll=$2
names=$("$arch-w64-mingw32-objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^\s*\[ *[0-9]*\] //p' | grep -v '^_Z' | sort | tr '\n' ' ')
want="GetSettings SetLangCache SetSettings ShowLanguageFileManager ShowUploadFileDialog "
if [ "$names" != "$want" ]; then
    echo "$arch exports: '$names', expected '$want'" >&2
    exit 1
fi
echo "$arch exports: $names"
