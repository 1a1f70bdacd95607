#include "compose/crop_geometry.h"

#include <algorithm>
#include <cmath>

PixelRect CoverCrop(std::int32_t photoWidth, std::int32_t photoHeight, std::int32_t areaWidth,
                    std::int32_t areaHeight, std::int32_t offsetPercent) {
    const std::int64_t pw = photoWidth, ph = photoHeight, w = areaWidth, h = areaHeight;
    const std::int64_t offset = std::clamp(offsetPercent, -50, 50);
    PixelRect crop{0, 0, photoWidth, photoHeight};
    if (double(w) / double(h) < double(pw) / double(ph)) {
        const std::int64_t sw = std::max<std::int64_t>(ph * w / h, 1);
        crop.width = static_cast<std::int32_t>(sw);
        crop.x = static_cast<std::int32_t>((pw - sw) * offset / 100 + (pw - sw) / 2);
    } else {
        const std::int64_t sh = std::max<std::int64_t>(pw * h / w, 1);
        crop.height = static_cast<std::int32_t>(sh);
        crop.y = static_cast<std::int32_t>((ph - sh) * offset / 100 + (ph - sh) / 2);
    }
    return crop;
}

PixelRect VisiblePartOfArea(const PixelRect& area, float angle, float cx, float cy,
                            std::int32_t width, std::int32_t height) {
    // The picture's corners turned back into the area's unturned space bound what can show.
    const double radians = -double(angle) * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
    const double px[4] = {0.0, double(width), double(width), 0.0};
    const double py[4] = {0.0, 0.0, double(height), double(height)};
    for (int i = 0; i < 4; ++i) {
        const double dx = px[i] - cx, dy = py[i] - cy;
        const double x = cx + dx * c - dy * s, y = cy + dx * s + dy * c;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    // One pixel more on every side for the interpolation of a turned drawing.
    const double x0 = std::max(std::floor(left) - 1, double(area.x));
    const double y0 = std::max(std::floor(top) - 1, double(area.y));
    const double x1 = std::min(std::ceil(right) + 1, double(area.x) + area.width);
    const double y1 = std::min(std::ceil(bottom) + 1, double(area.y) + area.height);
    if (!(x1 > x0 && y1 > y0)) return {};
    return {static_cast<std::int32_t>(x0 - area.x), static_cast<std::int32_t>(y0 - area.y),
            static_cast<std::int32_t>(x1 - x0), static_cast<std::int32_t>(y1 - y0)};
}

PixelRect SourceOfPart(const PixelRect& crop, std::int32_t areaWidth, std::int32_t areaHeight,
                       const PixelRect& part) {
    auto scale = [](std::int64_t v, std::int64_t from, std::int64_t to, bool up) {
        const std::int64_t product = v * to;
        return up ? (product + from - 1) / from : product / from;
    };
    const std::int64_t x0 = scale(part.x, areaWidth, crop.width, false);
    const std::int64_t y0 = scale(part.y, areaHeight, crop.height, false);
    const std::int64_t x1 = scale(std::int64_t(part.x) + part.width, areaWidth, crop.width, true);
    const std::int64_t y1 =
        scale(std::int64_t(part.y) + part.height, areaHeight, crop.height, true);
    return {static_cast<std::int32_t>(crop.x + x0), static_cast<std::int32_t>(crop.y + y0),
            static_cast<std::int32_t>(std::max<std::int64_t>(x1 - x0, 1)),
            static_cast<std::int32_t>(std::max<std::int64_t>(y1 - y0, 1))};
}
