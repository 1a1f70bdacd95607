#!/bin/bash
# Configures and builds the x86_64 tree (tested) and the i686 tree (built, exports checked).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KV_BUILD:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64.cmake" >/dev/null
ninja -C "$build"
if [ "${KV_SKIP_X86:-0}" != 1 ]; then
    cmake -S "$root" -B "$build-x86" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686.cmake" >/dev/null
    ninja -C "$build-x86" KVRWinUtils updater
    "$root/tools/check-exports.sh" x86_64 "$build/runtime/KVRWinUtils.dll"
    "$root/tools/check-exports.sh" i686 "$build-x86/runtime/KVRWinUtils.dll"
fi
