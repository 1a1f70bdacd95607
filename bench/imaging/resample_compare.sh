#!/bin/bash
# The resampler alone against Pillow's BICUBIC resize on the same pixels: a 24-megapixel photo
# decoded once, then 6000 x 4000 -> 1254 x 836 (best of five each). Pillow resizes RGBA with
# premultiplied alpha, like ours; its RGB resize (no alpha) is shown as well.
#   bench/imaging/resample_compare.sh [BUILD_DIR]
set -euo pipefail
source "$(dirname "$0")/compare_common.sh"

"$run" "$bench/shrink_bench.exe" make "$(winpath "$work/photo.jpg")" 6000 4000
"$run" "$bench/shrink_bench.exe" pixels "$(winpath "$work/photo.jpg")" "$(winpath "$work/photo.raw")" >/dev/null
"$run" "$bench/resample_bench.exe" "$(winpath "$work/photo.raw")" 6000 4000 1254 836 5 >"$work/ours.txt"
"$py" - "$work/photo.raw" >"$work/ref.txt" <<'PY'
import sys, time
from PIL import Image
data = open(sys.argv[1], "rb").read()
rgba = Image.frombuffer("RGBA", (6000, 4000), data, "raw", "BGRA", 0, 1)
rgb = rgba.convert("RGB")
for name, im in (("rgba", rgba), ("rgb", rgb)):
    b = 1e9
    for _ in range(5):
        t = time.perf_counter(); im.resize((1254, 836), Image.BICUBIC); b = min(b, time.perf_counter() - t)
    print(f"pillow_{name}_ms {b * 1000:.1f}")
PY
ours=$(value resample_ms "$work/ours.txt")
rgba=$(value pillow_rgba_ms "$work/ref.txt")
rgb=$(value pillow_rgb_ms "$work/ref.txt")
echo "ResampleArgb 6000x4000 -> 1254x836 (Wine): $ours ms"
echo "Pillow resize BICUBIC RGBA (native): $rgba ms, RGB: $rgb ms"
echo "ratio ours / Pillow RGBA: $(ratio "$ours" "$rgba")"
echo "ratio ours / Pillow RGB: $(ratio "$ours" "$rgb")"
