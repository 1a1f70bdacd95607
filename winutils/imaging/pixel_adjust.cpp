#include "imaging/pixel_adjust.h"

#include <algorithm>
#include <memory>
#include <new>

#include "imaging/gaussian_blur.h"

namespace {

std::uint8_t Clamp(int v) {
    return std::uint8_t(v < 0 ? 0 : (v > 255 ? 255 : v));
}

template <typename Change> void ForEachPixel(const PixelPlane& plane, Change change) {
    for (int y = 0; y < plane.height; ++y) {
        std::uint8_t* p = plane.Row(y);
        for (int x = 0; x < plane.width; ++x, p += plane.pixelBytes)
            change(p);
    }
}

// One segment of the HSL-to-RGB curve, x in degrees.
float HueCurve(float m1, float m2, float x) {
    if (x > 360.0f)
        x -= 360.0f;
    else if (x < 0.0f)
        x += 360.0f;
    if (x < 60.0f) return m1 + (m2 - m1) * x / 60.0f;
    if (x < 180.0f) return m2;
    if (x < 240.0f) return m1 + (m2 - m1) * (240.0f - x) / 60.0f;
    return m1;
}

} // namespace

void BlackAndWhite(const PixelPlane& plane) {
    ForEachPixel(plane, [](std::uint8_t* p) {
        const double gray = 0.59 * p[1] + 0.3 * p[2] + 0.11 * p[0];
        p[0] = p[1] = p[2] = Clamp(int(gray));
    });
}

std::array<std::uint8_t, 256> BrightnessContrastTable(int param1, int param2) {
    const int brightness = (param1 - 50) * 255 / 50;
    const int contrast = 2 * param2 - 100;
    const float factor = float(contrast + 100) / 100.0f;
    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        const float value = float(i - 128) * factor + float(brightness + 128) + 0.5f;
        table[i] = Clamp(int(value));
    }
    return table;
}

void ApplyByteTable(const PixelPlane& plane, const std::array<std::uint8_t, 256>& table) {
    ForEachPixel(plane, [&](std::uint8_t* p) {
        p[0] = table[p[0]];
        p[1] = table[p[1]];
        p[2] = table[p[2]];
    });
}

HslColor RgbToHsl(RgbColor rgb) {
    const int r = rgb.red, g = rgb.green, b = rgb.blue;
    const int max = std::max({r, g, b}), min = std::min({r, g, b});
    HslColor hsl;
    hsl.lightness = ((max + min) * 255 + 255) / 510;
    if (max == min) {
        hsl.saturation = 0;
        hsl.hue = 170;
        return hsl;
    }
    const int d = max - min;
    if (hsl.lightness <= 127)
        hsl.saturation = (d * 255 + (max + min) / 2) / (max + min);
    else
        hsl.saturation = (d * 255 + (510 - max - min) / 2) / (510 - max - min);
    const int rd = (42 * (max - r) + d / 2) / d;
    const int gd = (42 * (max - g) + d / 2) / d;
    const int bd = (42 * (max - b) + d / 2) / d;
    int hue;
    if (r == max)
        hue = bd - gd;
    else if (g == max)
        hue = 85 + rd - bd;
    else
        hue = 170 + gd - rd;
    hsl.hue = hue & 255; // modulo 256
    return hsl;
}

RgbColor HslToRgb(HslColor hsl) {
    const float l = float(hsl.lightness) / 255.0f;
    const float s = float(hsl.saturation) / 255.0f;
    const float h = float(hsl.hue) * 360.0f / 255.0f;
    RgbColor rgb;
    if (s == 0.0f) {
        rgb.red = rgb.green = rgb.blue = int(l * 255.0f);
        return rgb;
    }
    const float m2 = l <= 0.5f ? l * (1.0f + s) : l + s - l * s;
    const float m1 = 2.0f * l - m2;
    rgb.red = int(255.0f * HueCurve(m1, m2, h + 120.0f));
    rgb.green = int(255.0f * HueCurve(m1, m2, h));
    rgb.blue = int(255.0f * HueCurve(m1, m2, h - 120.0f));
    return rgb;
}

void HueSaturation(const PixelPlane& plane, int param1, int param2, int param3) {
    const int hue = param1 * 255 / 100;
    const int saturation = param2 * 255 / 100;
    const float blend = std::clamp(float(param3) / 100.0f, 0.0f, 1.0f);
    const int k = int(blend * 256.0f);
    // The tint depends on one byte only (gray or lightness): a table of 256 colours.
    std::array<RgbColor, 256> tint;
    for (int v = 0; v < 256; ++v)
        tint[v] = HslToRgb({hue, saturation, v});
    if (blend > 0.999f) {
        ForEachPixel(plane, [&](std::uint8_t* p) {
            const RgbColor& t = tint[RgbToHsl({p[2], p[1], p[0]}).lightness];
            p[0] = Clamp(t.blue);
            p[1] = Clamp(t.green);
            p[2] = Clamp(t.red);
        });
        return;
    }
    ForEachPixel(plane, [&](std::uint8_t* p) {
        const int gray = (117 * p[0] + 601 * p[1] + 306 * p[2]) >> 10;
        const RgbColor& t = tint[gray];
        p[0] = Clamp((k * t.blue + (256 - k) * p[0]) >> 8);
        p[1] = Clamp((k * t.green + (256 - k) * p[1]) >> 8);
        p[2] = Clamp((k * t.red + (256 - k) * p[2]) >> 8);
    });
}

bool Sharpen(const PixelPlane& plane, float radius, float amount) {
    if (plane.width <= 0 || plane.height <= 0) return true;
    const std::size_t rowBytes = std::size_t(plane.width) * 3;
    std::unique_ptr<std::uint8_t[]> copy(new (std::nothrow)
                                             std::uint8_t[rowBytes * std::size_t(plane.height)]);
    if (!copy) return false;
    PixelPlane blurred{copy.get(), plane.width, plane.height, std::ptrdiff_t(rowBytes), 3, 3};
    if (!GaussianBlur(plane, blurred, radius)) return false;
    for (int y = 0; y < plane.height; ++y) {
        std::uint8_t* p = plane.Row(y);
        const std::uint8_t* b = blurred.Row(y);
        for (int x = 0; x < plane.width; ++x, p += plane.pixelBytes, b += 3) {
            for (int c = 0; c < 3; ++c) {
                const int d = p[c] - b[c];
                p[c] = Clamp(int(float(p[c]) + float(d) * amount));
            }
        }
    }
    return true;
}

float BlurRadius(int param1, int width) {
    return float(param1 / 4000.0 * width);
}

float SharpenRadius(int param1, int width) {
    return float(param1 / 2000.0 * width);
}
