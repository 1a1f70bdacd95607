// Arbitrary sizes, angles and rectangles through the placement arithmetic: no sanitizer report,
// no endless loop, and every computed source rectangle stays inside its image.
#include "compose/crop_geometry.h"
#include "compose/stamp_geometry.h"
#include "compose/tile_layout.h"
#include "compose/tilt.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Input {
    const std::uint8_t* data;
    size_t size;
    template <typename T> T Take() {
        T value{};
        const size_t n = size < sizeof(T) ? size : sizeof(T);
        std::memcpy(&value, data, n);
        data += n;
        size -= n;
        return value;
    }
};

void Check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    Input in{data, size};
    const std::int32_t x = in.Take<std::int32_t>(), y = in.Take<std::int32_t>();
    const std::int32_t w = in.Take<std::int32_t>(), h = in.Take<std::int32_t>();
    const std::int32_t width = in.Take<std::int16_t>(), height = in.Take<std::int16_t>();
    const float angle = in.Take<float>();
    const std::int32_t pw = in.Take<std::int32_t>(), ph = in.Take<std::int32_t>();
    const std::int32_t offset = in.Take<std::int32_t>();

    FitTilt(angle, x, y, w, h, width, height);

    if (pw > 0 && ph > 0 && w > 0 && h > 0) {
        const PixelRect crop = CoverCrop(pw, ph, w, h, offset);
        Check(crop.x >= 0 && crop.y >= 0 && crop.width > 0 && crop.height > 0);
        Check(std::int64_t(crop.x) + crop.width <= pw && std::int64_t(crop.y) + crop.height <= ph);
        const PixelRect area{x, y, w, h};
        const PixelRect part =
            VisiblePartOfArea(area, angle, float(x) + w / 2.0f, float(y) + h / 2.0f, width, height);
        if (part.width > 0 && part.height > 0) {
            Check(part.x >= 0 && part.y >= 0 && std::int64_t(part.x) + part.width <= w &&
                  std::int64_t(part.y) + part.height <= h);
            const PixelRect source = SourceOfPart(crop, w, h, part);
            Check(source.x >= crop.x && source.y >= crop.y);
            Check(std::int64_t(source.x) + source.width <= std::int64_t(crop.x) + crop.width);
            Check(std::int64_t(source.y) + source.height <= std::int64_t(crop.y) + crop.height);
        }
    }

    std::vector<PhotoSize> photos;
    while (in.size >= 4 && photos.size() < 64)
        photos.push_back({in.Take<std::int16_t>(), in.Take<std::int16_t>()});
    const TileLayout layout = LayoutTiles(photos, offset % 70, (offset >> 8) % 9);
    for (const PixelRect& p : layout.placements) {
        if (p.width <= 0) continue;
        Check(p.x >= 0 && p.y >= 0 && std::int64_t(p.x) + p.width <= layout.canvasWidth &&
              std::int64_t(p.y) + p.height <= layout.canvasHeight);
    }

    const RelativeRect rect{angle, float(offset) / 1000, float(pw) / 1e6f, float(ph) / 1e6f};
    PlaceSignature(float(x), float(y), float(w), float(h), pw, ph);
    CropPixels(width, rect);
    const PixelRect inside = PixelsInside(width, height, rect);
    Check(inside.width >= 0 && inside.height >= 0);
    return 0;
}
