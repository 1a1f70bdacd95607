#!/bin/bash
# ShrinkImageFile of a 24-megapixel JPEG photo to 1,048,576 pixels (1254 x 836) under Wine,
# beside vipsthumbnail and Pillow (draft mode) run natively on the same file. Prints the times
# (best of three, each in a fresh process), our stage split, peak memory and the ratios.
#   bench/imaging/shrink_compare.sh [BUILD_DIR]
set -euo pipefail
source "$(dirname "$0")/compare_common.sh"

"$run" "$bench/shrink_bench.exe" make "$(winpath "$work/photo.jpg")" 6000 4000
echo "photo: 6000 x 4000, $(stat -c %s "$work/photo.jpg") bytes"

best_ours=""
for i in 1 2 3; do
    "$run" "$bench/shrink_bench.exe" shrink "$(winpath "$work/photo.jpg")" \
        "$(winpath "$work/ours.jpg")" 1048576 >"$work/ours.txt"
    t=$(value total_ms "$work/ours.txt")
    if [ -z "$best_ours" ] || awk -v a="$t" -v b="$best_ours" 'BEGIN { exit !(a < b) }'; then
        best_ours=$t
        cp "$work/ours.txt" "$work/ours-best.txt"
    fi
done
"$run" "$bench/shrink_bench.exe" stages "$(winpath "$work/photo.jpg")" \
    "$(winpath "$work/stages.jpg")" 1048576 >"$work/stages.txt"

# The references, timed around the work only, with their peak resident memory.
"$py" - "$work" >"$work/ref.txt" <<'PY'
import resource, subprocess, sys, time
from PIL import Image
work = sys.argv[1]
src = f"{work}/photo.jpg"

def best(f):
    b = 1e9
    for _ in range(3):
        t = time.perf_counter(); f(); b = min(b, time.perf_counter() - t)
    return b * 1000

vips = best(lambda: subprocess.run(["vipsthumbnail", src, "-s", "1254x836", "-o",
                                     f"{work}/vips.jpg"], check=True))
vips_rss = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024

def pillow():
    im = Image.open(src)
    im.draft("RGB", (1254, 836))
    im.convert("RGB").resize((1254, 836), Image.BICUBIC).save(f"{work}/pillow.jpg")

base_rss = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024
pil = best(pillow)
pil_rss = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024
print(f"vips_ms {vips:.1f}\nvips_peak_mb {vips_rss:.1f}")
print(f"pillow_ms {pil:.1f}\npillow_peak_growth_mb {pil_rss - base_rss:.1f}")
PY

ours=$(value total_ms "$work/ours-best.txt")
vips=$(value vips_ms "$work/ref.txt")
pil=$(value pillow_ms "$work/ref.txt")
decoded24=$(awk 'BEGIN { printf "%.1f", 6000 * 4000 * 3 / 1048576 }')
decoded32=$(awk 'BEGIN { printf "%.1f", 6000 * 4000 * 4 / 1048576 }')
growth=$(value peak_working_set_growth_mb "$work/ours-best.txt")
echo "ShrinkImageFile (in process, Wine): $ours ms"
echo "  stages: decode $(value decode_ms "$work/stages.txt") ms," \
    "resample $(value resample_ms "$work/stages.txt") ms, encode $(value encode_ms "$work/stages.txt") ms"
echo "  peak working set growth: $growth MB; decoded image $decoded24 MB (24-bit), $decoded32 MB (32-bit)" \
    "-> $(ratio "$growth" "$decoded24") x / $(ratio "$growth" "$decoded32") x"
echo "  peak after decode alone: $(value peak_after_decode_mb "$work/stages.txt") MB," \
    "after resampling: $(value peak_after_resample_mb "$work/stages.txt") MB (process totals)"
echo "vipsthumbnail (native, own process): $vips ms, peak $(value vips_peak_mb "$work/ref.txt") MB"
echo "Pillow draft + BICUBIC + save (native): $pil ms, peak growth $(value pillow_peak_growth_mb "$work/ref.txt") MB"
echo "ratio ours / vipsthumbnail: $(ratio "$ours" "$vips")"
echo "ratio ours / Pillow draft: $(ratio "$ours" "$pil")"
