// Straight pixel work on GDI+ bitmaps, where drawing calls would only copy or blend 1:1.
#pragma once
#include <cstdint>

#include "compose/crop_geometry.h"
#include "frame/gdiplus_include.h"

// Sets every pixel of the bitmap to the colour (0xAARRGGBB). False when it cannot be locked.
bool FillBitmap(Gdiplus::Bitmap& bitmap, std::uint32_t argb);

// Blends the source's area (all of it when null) over the target with its top-left corner at
// (x, y), unscaled, the way a drawing call composes non-premultiplied pixels ("source over").
// Parts outside the target are left out. False when a bitmap cannot be locked.
bool BlendOver(Gdiplus::Bitmap& target, std::int32_t x, std::int32_t y, Gdiplus::Bitmap& source,
               const PixelRect* area = nullptr);

// One source-over blend of non-premultiplied BGRA pixels.
void BlendPixel(const std::uint8_t* source, std::uint8_t* target);
