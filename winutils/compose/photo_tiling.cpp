#include "compose/photo_tiling.h"

#include <vector>

#include "compose/pixel_ops.h"
#include "compose/tile_layout.h"
#include "frame/gdiplus_startup.h"
#include "imaging/bitmap_file.h"
#include "imaging/resample_bitmap.h"

BitmapPtr TilePhotos(std::span<Gdiplus::Bitmap* const> photos, std::int32_t rows,
                     std::int32_t columns, ComposeTimings* timings) {
    if (!EnsureGdiplus()) return nullptr;
    std::vector<PhotoSize> sizes;
    for (Gdiplus::Bitmap* photo : photos) {
        if (IsUsableBitmap(photo))
            sizes.push_back({std::int32_t(photo->GetWidth()), std::int32_t(photo->GetHeight())});
        else
            sizes.push_back({});
    }
    const TileLayout layout = LayoutTiles(sizes, rows, columns);
    if (layout.canvasWidth <= 0 || layout.canvasHeight <= 0) return nullptr;
    BitmapPtr canvas = CreateArgbBitmap(layout.canvasWidth, layout.canvasHeight);
    if (!IsUsableBitmap(canvas.get())) return nullptr;

    // Scaled photos go through the toolkit's high-quality resampler, then blend in unscaled.
    CTimedScope timed(timings, &ComposeTimings::pixelSeconds);
    FillBitmap(*canvas, 0xffffffffu);
    for (size_t i = 0; i < photos.size(); ++i) {
        const PixelRect& place = layout.placements[i];
        if (place.width <= 0 || place.height <= 0) continue;
        Gdiplus::Bitmap& photo = *photos[i];
        if (place.width == sizes[i].width && place.height == sizes[i].height) {
            BlendOver(*canvas, place.x, place.y, photo);
            continue;
        }
        BitmapPtr scaled = ResampleBitmap(photo, place.width, place.height);
        if (IsUsableBitmap(scaled.get())) BlendOver(*canvas, place.x, place.y, *scaled);
    }
    return canvas;
}
