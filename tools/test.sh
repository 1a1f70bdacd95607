#!/bin/bash
# Builds everything and runs the tests under Wine on a private display. Extra arguments go to
# ctest, e.g. tools/test.sh -R frame_tests
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KV_BUILD:-$root/build}
"$root/tools/setup.sh"
"$root/tools/build.sh"
source "$root/tools/display.sh"
export KV_WINEPREFIX_USED="$build/wineprefix"
kv_start_display
ctest --test-dir "$build" --output-on-failure "$@"
