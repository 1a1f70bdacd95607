// Small bitmaps with known pixels for the renderer's tests, and pixel probes.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "imaging/gdiplus_owners.h"

namespace kvtest {

// 0xAARRGGBB.
using PixelFunction = std::function<std::uint32_t(int x, int y)>;

BitmapPtr MakeBitmap(int width, int height, const PixelFunction& pixel);
BitmapPtr MakeSolid(int width, int height, std::uint32_t argb);
std::uint32_t PixelAt(Gdiplus::Bitmap& bitmap, int x, int y);

inline int Red(std::uint32_t argb) {
    return int((argb >> 16) & 255);
}
inline int Green(std::uint32_t argb) {
    return int((argb >> 8) & 255);
}
inline int Blue(std::uint32_t argb) {
    return int(argb & 255);
}
inline int Alpha(std::uint32_t argb) {
    return int(argb >> 24);
}

// True when each channel is within the tolerance of the expected colour.
bool Near(std::uint32_t actual, std::uint32_t expected, int tolerance = 3);

// Saves the bitmap as PNG under out/compose/ for a person to look at.
void SaveForLooking(Gdiplus::Bitmap& bitmap, const std::wstring& name);

} // namespace kvtest
