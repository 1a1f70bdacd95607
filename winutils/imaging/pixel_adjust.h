// The pixel arithmetic of the photo adjustments, on the blue, green and red bytes of a plane
// (PixelPlane::channels must be 3). Pure C++.
#pragma once
#include <array>
#include <cstdint>

#include "imaging/pixel_plane.h"

// gray = trunc(0.59 G + 0.3 R + 0.11 B) in double precision, into all three channels.
void BlackAndWhite(const PixelPlane& plane);

// The byte mapping of the brightness (param1) and contrast (param2) sliders; 50, 50 is neutral.
std::array<std::uint8_t, 256> BrightnessContrastTable(int param1, int param2);
void ApplyByteTable(const PixelPlane& plane, const std::array<std::uint8_t, 256>& table);

// Hue, saturation and lightness on the 0..255 scale (a hue of 255 stands for 360 degrees).
struct HslColor {
    int hue = 0;
    int saturation = 0;
    int lightness = 0;
};
struct RgbColor {
    int red = 0;
    int green = 0;
    int blue = 0;
};
HslColor RgbToHsl(RgbColor rgb);
RgbColor HslToRgb(HslColor hsl);

// A tint of hue param1 and saturation param2 that keeps each pixel's lightness, blended in by
// param3 percent.
void HueSaturation(const PixelPlane& plane, int param1, int param2, int param3);

// Unsharp mask with threshold 0: each byte moves away from its blurred value by amount times
// the difference. False when working memory cannot be had (plane unchanged).
bool Sharpen(const PixelPlane& plane, float radius, float amount);

// The slider values as radii in pixels for a picture `width` pixels wide.
float BlurRadius(int param1, int width);    // param1 / 4000 x width
float SharpenRadius(int param1, int width); // param1 / 2000 x width
