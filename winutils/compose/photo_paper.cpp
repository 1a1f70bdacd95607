#include "compose/photo_paper.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "compose/pixel_ops.h"
#include "compose/stamp_geometry.h"
#include "imaging/bitmap_file.h"
#include "imaging/resample_bitmap.h"

namespace {

// The signature scaled by the toolkit's resampler to (about) its drawn size; the drawing call
// then only places it at the exact fractional position. Null when there is none to draw.
BitmapPtr ScaledSignature(Gdiplus::Bitmap* signature, const PlacedImage& place) {
    if (!IsUsableBitmap(signature) || !(place.width > 0 && place.height > 0)) return nullptr;
    const double cap = 1 << 15;
    const int width = int(std::min(std::ceil(double(place.width)), cap));
    const int height = int(std::min(std::ceil(double(place.height)), cap));
    BitmapPtr scaled = ResampleBitmap(*signature, width, height);
    return IsUsableBitmap(scaled.get()) ? std::move(scaled) : nullptr;
}

// The blend of the shadow's gradient: factor 0 at the rim rising to 1 by a few shadow widths.
float ShadowFactor(float position, int g, int l, int k) {
    const float longer = float(std::max(l, k));
    const float positions[4] = {0.0f, float(g * 0.5 / longer), float(g * 2.0 / longer), 1.0f};
    const float factors[4] = {0.0f, 0.2f, 1.0f, 1.0f};
    if (position <= 0) return 0;
    for (int i = 0; i < 3; ++i) {
        if (position > positions[i + 1]) continue;
        const float span = positions[i + 1] - positions[i];
        if (span <= 0) return factors[i + 1];
        return factors[i] + (factors[i + 1] - factors[i]) * (position - positions[i]) / span;
    }
    return 1;
}

// The drop shadow: a rectangular path gradient on (g, g, l + 2e, k + 2e) from gray 50 at alpha
// 150 in the centre to alpha 0 on the rim, shown only outside the card (0, 0, l + 2e - 1,
// k + 2e - 1). A rectangle's gradient levels are scaled copies of it about its centre, so a
// pixel's level is 1 - max(|dx| / half width, |dy| / half height). Done here rather than by a
// gradient brush, which not every GDI+ blends.
void DrawCardShadow(Gdiplus::Bitmap& card, const PixelRect& part, int e, int g, int l, int k) {
    const int right = l + 2 * e + g, bottom = k + 2 * e + g; // the shadow's far edges
    const int cardRight = l + 2 * e - 1, cardBottom = k + 2 * e - 1;
    if (l <= 0 || k <= 0 || right <= g || bottom <= g) return;
    const double halfWidth = (l + 2 * e) / 2.0, halfHeight = (k + 2 * e) / 2.0;
    const double cx = g + halfWidth, cy = g + halfHeight;
    // Rows and columns of the card part that the shadow can touch.
    const int y0 = std::max(g, part.y), y1 = std::min(bottom, part.y + part.height);
    const int x0 = std::max(g, part.x), x1 = std::min(right, part.x + part.width);
    if (y1 <= y0 || x1 <= x0) return;
    CBitmapLock lock(card, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite);
    if (!lock.Locked()) return;
    for (int y = y0; y < y1; ++y) {
        unsigned char* row = lock.Row(y - part.y);
        // Beside the card only the strip on the right; below it the whole width.
        const int from = y < cardBottom ? std::max(x0, cardRight) : x0;
        const double ry = std::fabs(y + 0.5 - cy) / halfHeight;
        for (int x = from; x < x1; ++x) {
            const double rx = std::fabs(x + 0.5 - cx) / halfWidth;
            const float factor = ShadowFactor(float(1.0 - std::max(rx, ry)), g, l, k);
            const unsigned char shade[4] = {50, 50, 50, (unsigned char)(150 * factor + 0.5f)};
            BlendPixel(shade, row + 4 * (x - part.x));
        }
    }
}

} // namespace

BitmapPtr MakePhotoPaperPart(int a, int b, Gdiplus::Bitmap* signature, const PixelRect& part,
                             ComposeTimings* timings) {
    BitmapPtr card = CreateArgbBitmap(part.width, part.height);
    if (!IsUsableBitmap(card.get())) return card;
    const int e = std::min(a, b) / 30;
    const int g = int(e / 1.5);
    const int l = a - 2 * e - g, k = b - 2 * e - g;
    const float fe = float(e), fl = float(l), fk = float(k);

    PlacedImage place;
    BitmapPtr scaledSignature;
    if (IsUsableBitmap(signature)) {
        CTimedScope timed(timings, &ComposeTimings::pixelSeconds);
        place =
            PlaceCardSignature(l, k, e, int(signature->GetWidth()), int(signature->GetHeight()));
        scaledSignature = ScaledSignature(signature, place);
    }

    {
        CTimedScope timed(timings, &ComposeTimings::gdiplusSeconds);
        Gdiplus::Graphics graphics(card.get());
        graphics.Clear(Gdiplus::Color(0, 255, 255, 255));
        graphics.TranslateTransform(-float(part.x), -float(part.y));

        // The white border around the hole.
        graphics.SetClip(Gdiplus::RectF(fe, fe, fl, fk), Gdiplus::CombineModeExclude);
        Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255, 255));
        graphics.FillRectangle(&white, Gdiplus::RectF(2, 2, fl + 2 * fe - 4, fk + 2 * fe - 4));
        graphics.ResetClip();

        Gdiplus::Pen pen(Gdiplus::Color(255, 211, 211, 211), 1.0f);
        graphics.DrawRectangle(&pen, Gdiplus::RectF(1, 1, fl + 2 * fe - 3, fk + 2 * fe - 3));
        pen.SetColor(Gdiplus::Color(127, 233, 233, 233));
        graphics.DrawRectangle(&pen, Gdiplus::RectF(0, 0, fl + 2 * fe - 1, fk + 2 * fe - 1));
        pen.SetColor(Gdiplus::Color(127, 255, 255, 255));
        graphics.DrawRectangle(&pen, Gdiplus::RectF(fe, fe, fl, fk));

        if (scaledSignature) {
            const Gdiplus::RectF to(place.x, place.y, place.width, place.height);
            graphics.DrawImage(scaledSignature.get(), to, 0.0f, 0.0f,
                               float(scaledSignature->GetWidth()),
                               float(scaledSignature->GetHeight()), Gdiplus::UnitPixel);
        }
    }

    CTimedScope timed(timings, &ComposeTimings::pixelSeconds);
    DrawCardShadow(*card, part, e, g, l, k);
    return card;
}

BitmapPtr MakePhotoPaper(int width, int height, Gdiplus::Bitmap* signature) {
    return MakePhotoPaperPart(width, height, signature, PixelRect{0, 0, width, height});
}
