#!/bin/bash
# Builds everything and runs the demo: kvhost.exe (standing in for the browser) asks the library
# for an upload dialog, kvdemo.exe drives it; screenshots and kvhost's output land in out/demo/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KV_BUILD:-$root/build}
"$root/tools/setup.sh"
KV_SKIP_X86=1 "$root/tools/build.sh"
source "$root/tools/display.sh"
export KV_WINEPREFIX_USED="$build/wineprefix"
if [ -z "${DISPLAY:-}" ]; then kv_start_display; else trap kv_stop_display EXIT; fi
"$build/wine-run.sh" "$build/tools/demo/kvdemo.exe"
# The composition engine's pictures (frames, tiles, signature, crop) for people to look at.
"$build/wine-run.sh" "$build/bench/gallery/compose_gallery.exe" && echo "gallery pictures in out/gallery"
