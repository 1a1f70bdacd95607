#!/bin/bash
# Blur (radius 100) and sharpen on a 12-megapixel photo, and the blur against the table-lookup
# blur on a crop (same run, same pixels, results compared byte for byte).
#   bench/imaging/adjust_compare.sh [BUILD_DIR]
set -euo pipefail
source "$(dirname "$0")/compare_common.sh"
"$run" "$bench/adjust_bench.exe"
