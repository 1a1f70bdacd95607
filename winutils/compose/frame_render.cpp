#include "compose/frame_render.h"

#include <algorithm>
#include <cmath>

#include "compose/crop_geometry.h"
#include "compose/photo_paper.h"
#include "compose/pixel_ops.h"
#include "compose/rect_expression.h"
#include "compose/tilt.h"
#include "compose/window_mask.h"
#include "frame/gdiplus_startup.h"
#include "imaging/bitmap_file.h"
#include "imaging/pixel_limits.h"
#include "imaging/resample_bitmap.h"
#include "imaging/shrink.h"

namespace {

enum class FrameKind { Precut, PhotoPaper, Shaped };

struct Context {
    const RenderRequest& request;
    Gdiplus::Bitmap& output;
    int width;
    int height;
    int inset;
    FrameKind kind;
};

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z') c = wchar_t(c - L'A' + L'a');
    return text;
}

// Draws an unscaled bitmap at (x, y): straight blending when upright, a turned drawing call
// otherwise.
void DrawUnscaled(const Context& c, Gdiplus::Bitmap& image, int x, int y, float angle, float cx,
                  float cy) {
    if (angle == 0) {
        CTimedScope timed(c.request.timings, &ComposeTimings::pixelSeconds);
        BlendOver(c.output, x, y, image);
        return;
    }
    CTimedScope timed(c.request.timings, &ComposeTimings::gdiplusSeconds);
    Gdiplus::Graphics graphics(&c.output);
    Gdiplus::Matrix turn;
    turn.RotateAt(angle, Gdiplus::PointF(cx, cy));
    graphics.SetTransform(&turn);
    graphics.DrawImage(&image, Gdiplus::Rect(x, y, int(image.GetWidth()), int(image.GetHeight())),
                       0, 0, int(image.GetWidth()), int(image.GetHeight()), Gdiplus::UnitPixel);
}

// The photo scaled so that it just covers the area, with the adjustment applied; null when
// there is no adjustment (or nothing to adjust) and the photo is used as it is.
BitmapPtr AdjustedPhoto(const Context& c, Gdiplus::Bitmap& photo, int w, int h) {
    const Adjustment* adjustment = c.request.adjustment;
    if (!adjustment || adjustment->name == L"None") return nullptr;
    const double pw = photo.GetWidth(), ph = photo.GetHeight();
    const float f = static_cast<float>(double(w) / h < pw / ph ? ph / h : pw / w);
    // A window far larger than any frame would ask for more pixels than anyone can hold.
    const double budget = std::min(std::trunc(pw * ph / f / f), double(kMaxImagePixels / 4));
    if (!(budget >= 1)) return nullptr;
    BitmapPtr scaled;
    {
        CTimedScope timed(c.request.timings, &ComposeTimings::pixelSeconds);
        scaled = ShrinkBitmap(photo, static_cast<std::uint32_t>(budget), true);
        if (!IsUsableBitmap(scaled.get())) return nullptr;
        ApplyAdjustment(scaled.get(), *adjustment);
    }
    return scaled;
}

void DrawWindow(const Context& c, const WindowRecord& window, Gdiplus::Bitmap& original) {
    const bool paper = c.kind == FrameKind::PhotoPaper;
    WindowRect r = EvaluateWindowRect(window.rect, c.width, c.height, paper ? c.inset : 0,
                                      c.request.transposed);
    if (c.request.transposed) r = TransposeRect(r);
    const std::int64_t x = r.left, y = r.top;
    const std::int64_t w = std::int64_t(r.right) - r.left, h = std::int64_t(r.bottom) - r.top;
    // Nothing to show, or a window so large that its pixels could not be counted.
    if (w <= 0 || h <= 0 || w > (1 << 30) || h > (1 << 30)) return;
    const std::int64_t e = std::min(w, h) / 40;
    const std::int64_t g = static_cast<std::int64_t>(e / 1.5);

    // The photo area: inside the card's border for photo paper, the window itself otherwise.
    const PixelRect area =
        paper ? PixelRect{std::int32_t(x + e), std::int32_t(y + e), std::int32_t(w - 2 * e - g),
                          std::int32_t(h - 2 * e - g)}
              : PixelRect{std::int32_t(x), std::int32_t(y), std::int32_t(w), std::int32_t(h)};
    if (area.width <= 0 || area.height <= 0) return;

    BitmapPtr adjusted = AdjustedPhoto(c, original, area.width, area.height);
    Gdiplus::Bitmap& photo = adjusted ? *adjusted : original;

    float angle = static_cast<float>(window.angle);
    if (paper && c.request.seed != 0) angle = NextTiltAngle();
    if (paper && angle != 0)
        angle = FitTilt(angle, int(x), int(y), int(w), int(h), c.width, c.height);
    const float cx = static_cast<float>((area.width - 1) * 0.5 + area.x);
    const float cy = static_cast<float>((area.height - 1) * 0.5 + area.y);

    // Only the part of the cover crop that can show is scaled, to exactly its drawn size.
    const PixelRect crop = CoverCrop(int(photo.GetWidth()), int(photo.GetHeight()), area.width,
                                     area.height, window.offsetPercent);
    const PixelRect part = VisiblePartOfArea(area, angle, cx, cy, c.width, c.height);
    BitmapPtr scaled;
    if (part.width > 0 && part.height > 0) {
        const PixelRect source = SourceOfPart(crop, area.width, area.height, part);
        const Gdiplus::Rect from(source.x, source.y, source.width, source.height);
        CTimedScope timed(c.request.timings, &ComposeTimings::pixelSeconds);
        scaled = ResampleBitmap(photo, part.width, part.height, &from);
        if (!IsUsableBitmap(scaled.get())) scaled.reset();
    }
    adjusted.reset();

    if (!paper) {
        if (scaled) DrawUnscaled(c, *scaled, area.x + part.x, area.y + part.y, angle, cx, cy);
        return;
    }
    // The card has the raw window's size and turns with the photo. The photo goes onto the card
    // (under it) first, so that the pair is turned in one drawing.
    const PixelRect cardArea{std::int32_t(x), std::int32_t(y), std::int32_t(w), std::int32_t(h)};
    const PixelRect cardPart = VisiblePartOfArea(cardArea, angle, cx, cy, c.width, c.height);
    if (cardPart.width <= 0 || cardPart.height <= 0) return;
    BitmapPtr card =
        MakePhotoPaperPart(int(w), int(h), c.request.signature, cardPart, c.request.timings);
    if (!IsUsableBitmap(card.get())) return;
    BitmapPtr mounted = CreateArgbBitmap(cardPart.width, cardPart.height);
    if (!IsUsableBitmap(mounted.get())) return;
    {
        CTimedScope timed(c.request.timings, &ComposeTimings::pixelSeconds);
        if (scaled)
            BlendOver(*mounted, area.x + part.x - (cardArea.x + cardPart.x),
                      area.y + part.y - (cardArea.y + cardPart.y), *scaled);
        BlendOver(*mounted, 0, 0, *card);
    }
    DrawUnscaled(c, *mounted, cardArea.x + cardPart.x, cardArea.y + cardPart.y, angle, cx, cy);
}

} // namespace

BitmapPtr RenderFrame(const RenderRequest& request) {
    if (!EnsureGdiplus()) return nullptr;
    if (!IsUsableBitmap(request.frame)) return nullptr;
    const int width = int(request.frame->GetWidth()), height = int(request.frame->GetHeight());
    const int inset = int(std::int64_t(width) * 10 / 1000);
    const std::wstring kindText = Lower(request.frameKind);
    FrameKind kind = FrameKind::Shaped;
    WindowShape shape = WindowShape::RoundedRectangle;
    if (kindText == L"precut")
        kind = FrameKind::Precut;
    else if (kindText == L"photo paper")
        kind = FrameKind::PhotoPaper;
    else if (kindText == L"rectangle")
        shape = WindowShape::Rectangle;
    else if (kindText == L"ellipse")
        shape = WindowShape::Ellipse;

    static const std::vector<WindowRecord> kWholeFrame(1);
    const std::vector<WindowRecord>& windows = request.windows ? *request.windows : kWholeFrame;

    Gdiplus::Bitmap* frame = request.frame;
    BitmapPtr masked;
    if (kind == FrameKind::Shaped) {
        masked =
            MakeMaskedFrame(*frame, windows, shape, inset, request.transposed, request.timings);
        if (masked) frame = masked.get();
    }

    BitmapPtr output = CreateArgbBitmap(width, height);
    if (!IsUsableBitmap(output.get())) return nullptr;
    const Context context{request, *output, width, height, inset, kind};
    {
        CTimedScope timed(request.timings, &ComposeTimings::pixelSeconds);
        FillBitmap(*output, 0xffffffffu);
        if (kind == FrameKind::PhotoPaper) BlendOver(*output, 0, 0, *frame);
    }
    if (kind == FrameKind::PhotoPaper && request.seed != 0) {
        SeedTiltRandom(request.seed);
        NextTiltRandom(); // the first draw is discarded
    }

    const size_t count = std::min(windows.size(), request.photos.size());
    for (size_t i = 0; i < count; ++i) {
        Gdiplus::Bitmap* photo = request.photos[i];
        if (!IsUsableBitmap(photo)) continue; // the window stays empty
        DrawWindow(context, windows[i], *photo);
    }

    if (kind != FrameKind::PhotoPaper) {
        CTimedScope timed(request.timings, &ComposeTimings::pixelSeconds);
        BlendOver(*output, 0, 0, *frame);
    }
    return output;
}
