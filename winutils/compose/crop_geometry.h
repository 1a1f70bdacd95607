// Integer geometry of placing photos: the cover crop, the visible part of a (turned) area, and
// the matching part of the crop. Pure code.
#pragma once
#include <cstdint>

struct PixelRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const PixelRect&) const = default;
};

// The part of a photo (photoWidth x photoHeight) that fills an area of the window's aspect
// ratio: full height or full width, moved by the offset percent (clamped to -50 .. 50; -50 shows
// the left or top end, +50 the right or bottom end). Sizes must be positive.
PixelRect CoverCrop(std::int32_t photoWidth, std::int32_t photoHeight, std::int32_t areaWidth,
                    std::int32_t areaHeight, std::int32_t offsetPercent);

// The part of an area (in its own coordinates) that can show in a width x height picture when
// the area is drawn at area.x, area.y turned by angle degrees about (cx, cy). Empty when none.
PixelRect VisiblePartOfArea(const PixelRect& area, float angle, float cx, float cy,
                            std::int32_t width, std::int32_t height);

// The part of the crop that maps onto the part of an area of areaWidth x areaHeight. The whole
// area gives the whole crop; a clipped part rounds outward to whole source pixels.
PixelRect SourceOfPart(const PixelRect& crop, std::int32_t areaWidth, std::int32_t areaHeight,
                       const PixelRect& part);
