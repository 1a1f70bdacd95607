#include "compose/tile_layout.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int64_t kMaxSide = std::numeric_limits<std::int32_t>::max();

bool HasArea(const PhotoSize& size) {
    return size.width > 0 && size.height > 0;
}

} // namespace

TileLayout LayoutTiles(std::span<const PhotoSize> photos, std::int32_t rows, std::int32_t columns) {
    TileLayout layout;
    if (photos.empty() || rows < 1 || columns < 1 || !HasArea(photos[0])) return layout;
    const std::int64_t w0 = photos[0].width, h0 = photos[0].height;
    const std::int64_t d = 2 * w0 / 100;
    layout.placements.resize(photos.size());

    std::int64_t canvasHeight = d;
    if (columns == 1) {
        // Only photos that exist are stacked.
        const size_t count = std::min<size_t>(photos.size(), static_cast<size_t>(rows));
        std::int64_t y = d;
        for (size_t i = 0; i < count; ++i) {
            std::int64_t height = 0;
            if (HasArea(photos[i])) {
                const float scaled = static_cast<float>(w0) / static_cast<float>(photos[i].width) *
                                     static_cast<float>(photos[i].height);
                height = static_cast<std::int64_t>(std::min<double>(scaled, double(kMaxSide)));
            }
            if (height > 0)
                layout.placements[i] = {static_cast<std::int32_t>(d), static_cast<std::int32_t>(y),
                                        static_cast<std::int32_t>(w0),
                                        static_cast<std::int32_t>(height)};
            y += height + d;
            if (y > kMaxSide) return {};
        }
        canvasHeight = y;
    } else {
        canvasHeight = (h0 + d) * rows + d;
        if (canvasHeight > kMaxSide) return {};
        for (std::int64_t k = 0; k < rows; ++k) {
            for (std::int64_t j = 0; j < columns; ++j) {
                const std::int64_t m = k * columns + j;
                if (m >= static_cast<std::int64_t>(photos.size())) break;
                const PhotoSize& photo = photos[static_cast<size_t>(m)];
                if (!HasArea(photo)) continue;
                const std::int64_t top = d + k * (h0 + d), left = d + j * (w0 + d);
                const std::int64_t pw = photo.width, ph = photo.height;
                std::int64_t x = left, y = top, width = w0, height = h0;
                if (double(w0) / double(h0) >= double(pw) / double(ph)) {
                    width = pw * h0 / ph;
                    x = left + (w0 - width) / 2;
                } else {
                    height = w0 * ph / pw;
                    y = top + (h0 - height) / 2;
                }
                layout.placements[static_cast<size_t>(m)] = {
                    static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                    static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
            }
        }
    }
    const std::int64_t canvasWidth = (w0 + d) * columns + d;
    if (canvasWidth > kMaxSide) return {};
    layout.canvasWidth = static_cast<std::int32_t>(canvasWidth);
    layout.canvasHeight = static_cast<std::int32_t>(canvasHeight);
    return layout;
}
