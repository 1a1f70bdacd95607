#include "sample_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "imaging/bitmap_file.h"

namespace gallery {
namespace {

std::uint8_t Clamp(double v) {
    return std::uint8_t(std::clamp(v, 0.0, 255.0));
}

template <typename F> BitmapPtr Paint(int width, int height, F pixel) {
    BitmapPtr bitmap = CreateArgbBitmap(width, height);
    CBitmapLock lock(*bitmap, Gdiplus::ImageLockModeWrite);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = lock.Row(y);
        for (int x = 0; x < width; ++x) {
            double r = 0, g = 0, b = 0, a = 255;
            pixel(double(x) / width, double(y) / height, r, g, b, a);
            row[4 * x] = Clamp(b);
            row[4 * x + 1] = Clamp(g);
            row[4 * x + 2] = Clamp(r);
            row[4 * x + 3] = Clamp(a);
        }
    }
    return bitmap;
}

} // namespace

BitmapPtr MakeScene(int width, int height, int variant) {
    const double hue = variant * 0.9;
    const double sunX = 0.2 + 0.12 * (variant % 5), sunY = 0.25 + 0.04 * (variant % 3);
    const double aspect = double(width) / height;
    return Paint(width, height, [&](double u, double v, double& r, double& g, double& b, double&) {
        // Sky fading to the horizon.
        r = 90 + 120 * v + 40 * std::sin(hue);
        g = 140 + 80 * v;
        b = 235 - 40 * v + 20 * std::cos(hue);
        const double dx = (u - sunX) * aspect, dy = v - sunY;
        const double sun = std::sqrt(dx * dx + dy * dy);
        if (sun < 0.08)
            r = 255, g = 230, b = 120;
        else if (sun < 0.12)
            r += 40 * (0.12 - sun) / 0.04, g += 30 * (0.12 - sun) / 0.04;
        // Two ranges of hills and a lake.
        const double hill1 = 0.55 + 0.08 * std::sin(u * 7 + variant) + 0.03 * std::sin(u * 23);
        const double hill2 = 0.68 + 0.06 * std::sin(u * 4 - variant * 1.7);
        if (v > hill1) {
            r = 60 + 40 * std::sin(hue + 1), g = 120 + 30 * std::sin(u * 40) * 0.3, b = 70;
            g += 20 * std::sin(u * 90 + v * 60);
        }
        if (v > hill2) r = 40, g = 95 + 25 * std::sin(u * 31 + v * 47), b = 45;
        if (v > 0.85) {
            r = 50 + 30 * v, g = 110 + 40 * std::sin(u * 60 + v * 200) * 0.2, b = 170;
            b += 25 * std::sin(v * 300 + u * 10);
        }
    });
}

BitmapPtr MakeFramePicture(int width, int height) {
    return Paint(width, height, [&](double u, double v, double& r, double& g, double& b, double&) {
        // Warm wood grain with a lighter inner bevel.
        const double grain = std::sin((u * 37 + std::sin(v * 9) * 1.5) * 6.28) * 0.5 + 0.5;
        r = 120 + 60 * grain;
        g = 75 + 35 * grain;
        b = 40 + 15 * grain;
        const double edge = std::min(std::min(u, 1 - u) * width, std::min(v, 1 - v) * height);
        if (edge < 6) r *= 0.6, g *= 0.6, b *= 0.6;
        const double stripe = std::fmod(u * width + v * height, 40.0);
        if (stripe < 3) r += 30, g += 20;
    });
}

BitmapPtr MakeBoard(int width, int height) {
    return Paint(width, height, [&](double u, double v, double& r, double& g, double& b, double&) {
        const double speck = std::sin(u * 913 + v * 37) * std::sin(v * 811 - u * 53);
        r = 170 + 25 * speck;
        g = 125 + 20 * speck;
        b = 80 + 12 * speck;
    });
}

BitmapPtr MakeSignature(int width, int height) {
    BitmapPtr bitmap = CreateArgbBitmap(width, height);
    Gdiplus::Graphics graphics(bitmap.get());
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gdiplus::Pen ink(Gdiplus::Color(255, 20, 30, 90), height / 14.0f);
    ink.SetLineJoin(Gdiplus::LineJoinRound);
    // A looping scribble with an underline.
    std::vector<Gdiplus::PointF> points;
    for (int i = 0; i <= 60; ++i) {
        const double t = i / 60.0;
        points.emplace_back(float(width * (0.05 + 0.85 * t + 0.05 * std::sin(t * 40))),
                            float(height * (0.45 - 0.25 * std::sin(t * 20) * (1 - t * 0.5))));
    }
    graphics.DrawCurve(&ink, points.data(), int(points.size()));
    graphics.DrawLine(&ink, float(width * 0.1), float(height * 0.82), float(width * 0.95),
                      float(height * 0.75));
    return bitmap;
}

} // namespace gallery
