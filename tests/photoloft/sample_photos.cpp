#include "sample_photos.h"

#include <cmath>
#include <vector>

#include "imaging/bitmap_file.h"

namespace frametest {

namespace {

struct Scene {
    Gdiplus::ARGB skyTop, skyBottom, sun, distant, closer, ground;
    float sunX, sunY; // fractions of the picture
    bool water;
};

const Scene kScenes[] = {
    {0xFF2B4C8C, 0xFFF3B46B, 0xFFFFE9A8, 0xFF6B5A7E, 0xFF3E3553, 0xFF2A2238, 0.68f, 0.55f, true},
    {0xFF3A8DDE, 0xFFBFE3F7, 0xFFFFFFF0, 0xFF8FA7C4, 0xFF4F7F4A, 0xFF3C6B35, 0.22f, 0.2f, false},
    {0xFF0E2A47, 0xFF6C9CC2, 0xFFF8F4E3, 0xFF33506E, 0xFF1E3348, 0xFF15263A, 0.75f, 0.22f, true},
    {0xFF7EC8E3, 0xFFFDF2D9, 0xFFFFFBEA, 0xFFA7B98A, 0xFF7C9A55, 0xFFC9A66B, 0.5f, 0.18f, false},
    {0xFF5B2A58, 0xFFF28C5B, 0xFFFFD36E, 0xFF8B4A5F, 0xFF4C2A43, 0xFF2E1A2C, 0.3f, 0.6f, false},
    {0xFF9CC9E8, 0xFFE8F1F2, 0xFFFFFFFF, 0xFFB7C6D6, 0xFF6D8FA8, 0xFFE9EEF2, 0.8f, 0.15f, false},
};

// A band of hills whose top follows a few waves, filled to the bottom.
void FillHills(Gdiplus::Graphics& g, int width, int height, float base, float amplitude,
               float phase, Gdiplus::ARGB colour) {
    std::vector<Gdiplus::PointF> points;
    for (int i = 0; i <= 64; ++i) {
        const float x = width * i / 64.0f;
        const float t = i / 64.0f * 6.2832f;
        const float y = height * (base - amplitude * (0.6f * std::sin(t * 1.3f + phase) +
                                                      0.4f * std::sin(t * 3.1f + phase * 2)));
        points.emplace_back(x, y);
    }
    points.emplace_back(float(width), float(height));
    points.emplace_back(0.0f, float(height));
    Gdiplus::SolidBrush brush{Gdiplus::Color(colour)};
    g.FillPolygon(&brush, points.data(), int(points.size()));
}

} // namespace

BitmapPtr SamplePhoto(int scene, int width, int height) {
    const Scene& s = kScenes[scene % int(std::size(kScenes))];
    BitmapPtr photo = CreateArgbBitmap(width, height);
    if (!IsUsableBitmap(photo.get())) return photo;
    Gdiplus::Graphics g(photo.get());
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gdiplus::LinearGradientBrush sky(Gdiplus::Point(0, 0), Gdiplus::Point(0, height * 7 / 10 + 1),
                                     Gdiplus::Color(s.skyTop), Gdiplus::Color(s.skyBottom));
    g.FillRectangle(&sky, 0, 0, width, height);
    const float unit = float(std::min(width, height));
    // The sun with a soft glow.
    for (int ring = 24; ring >= 0; --ring) {
        const float r = unit * (0.07f + ring * 0.006f);
        const BYTE alpha = ring == 0 ? 255 : BYTE(14 - ring / 2);
        Gdiplus::SolidBrush glow{
            Gdiplus::Color(alpha, BYTE(s.sun >> 16), BYTE(s.sun >> 8), BYTE(s.sun))};
        g.FillEllipse(&glow, s.sunX * width - r, s.sunY * height - r, 2 * r, 2 * r);
    }
    FillHills(g, width, height, 0.58f, 0.12f, float(scene), s.distant);
    FillHills(g, width, height, 0.72f, 0.08f, float(scene) * 2.3f + 1, s.closer);
    if (s.water) {
        Gdiplus::LinearGradientBrush water(Gdiplus::Point(0, height * 78 / 100 - 1),
                                           Gdiplus::Point(0, height), Gdiplus::Color(s.skyBottom),
                                           Gdiplus::Color(s.skyTop));
        g.FillRectangle(&water, 0, height * 78 / 100, width, height);
        Gdiplus::SolidBrush glint{Gdiplus::Color(120, 255, 255, 240)};
        for (int i = 0; i < 9; ++i) {
            const float w = width * (0.12f - i * 0.01f);
            g.FillRectangle(&glint, s.sunX * width - w / 2, height * (0.8f + i * 0.022f), w,
                            height * 0.006f);
        }
    } else {
        FillHills(g, width, height, 0.86f, 0.04f, float(scene) * 0.7f + 2, s.ground);
    }
    return photo;
}

} // namespace frametest
