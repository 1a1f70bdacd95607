#include "compose/window_mask.h"

#include <algorithm>

#include "compose/frame_image.h"
#include "compose/rect_expression.h"
#include "imaging/adjustment.h"
#include "imaging/bitmap_file.h"

namespace {

// Keeps path coordinates within reach of the rasteriser: a window reaching far beyond the frame
// is cut at a band four frame sizes wide around it (exact for rectangles).
Gdiplus::Rect LimitToBand(const WindowRect& r, int width, int height) {
    const std::int64_t bx = 4 * std::int64_t(width), by = 4 * std::int64_t(height);
    const std::int64_t left = std::clamp<std::int64_t>(r.left, -bx, width + bx);
    const std::int64_t top = std::clamp<std::int64_t>(r.top, -by, height + by);
    const std::int64_t right = std::clamp<std::int64_t>(r.right, -bx, width + bx);
    const std::int64_t bottom = std::clamp<std::int64_t>(r.bottom, -by, height + by);
    return Gdiplus::Rect(int(left), int(top), int(right - left), int(bottom - top));
}

void AddRoundedRect(Gdiplus::GraphicsPath& path, int x, int y, int w, int h, int r) {
    path.AddLine(x + r, y, x + w - r, y);
    if (r > 0) path.AddArc(x + w - 2 * r, y, 2 * r, 2 * r, 270, 90);
    path.AddLine(x + w, y + r, x + w, y + h - r);
    if (r > 0) path.AddArc(x + w - 2 * r, y + h - 2 * r, 2 * r, 2 * r, 0, 90);
    path.AddLine(x + w - r, y + h, x + r, y + h);
    if (r > 0) path.AddArc(x, y + h - 2 * r, 2 * r, 2 * r, 90, 90);
    path.AddLine(x, y + h - r, x, y + r);
    if (r > 0) path.AddArc(x, y, 2 * r, 2 * r, 180, 90);
}

} // namespace

BitmapPtr MakeMaskedFrame(Gdiplus::Bitmap& frame, const std::vector<WindowRecord>& windows,
                          WindowShape shape, std::int32_t inset, bool transposed,
                          ComposeTimings* timings) {
    const int width = int(frame.GetWidth()), height = int(frame.GetHeight());
    BitmapPtr mask = CreateArgbBitmap(width, height);
    if (!IsUsableBitmap(mask.get())) return nullptr;
    {
        CTimedScope timed(timings, &ComposeTimings::gdiplusSeconds);
        Gdiplus::Graphics graphics(mask.get());
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
        Gdiplus::SolidBrush black(Gdiplus::Color(255, 0, 0, 0));
        for (const WindowRecord& window : windows) {
            WindowRect rect = EvaluateWindowRect(window.rect, width, height, inset, transposed);
            if (transposed) rect = TransposeRect(rect);
            if (rect.right <= rect.left || rect.bottom <= rect.top) continue;
            if (rect.right <= 0 || rect.bottom <= 0 || rect.left >= width || rect.top >= height)
                continue; // nothing of it shows
            const Gdiplus::Rect r = LimitToBand(rect, width, height);
            const std::int64_t shorter = std::min<std::int64_t>(
                std::int64_t(rect.right) - rect.left, std::int64_t(rect.bottom) - rect.top);
            const int radius = shape == WindowShape::Rectangle ? 0 : int(shorter / 10);
            Gdiplus::GraphicsPath path;
            if (shape == WindowShape::Ellipse)
                path.AddEllipse(r);
            else
                AddRoundedRect(path, r.X, r.Y, r.Width, r.Height, radius);
            graphics.FillPath(&black, &path);
        }
    }
    BitmapPtr masked = CloneBitmapArgb(frame);
    if (!masked) return nullptr;
    CTimedScope timed(timings, &ComposeTimings::pixelSeconds);
    // The "Blur" adjustment with param1 = 2 x inset; its slider stops at 100, so frames wider
    // than about 5000 pixels get the same blur with the radius the formula gives.
    Adjustment blur = NewAdjustment();
    blur.name = L"Blur";
    blur.param1 = 2 * inset;
    if (blur.param1 <= 100)
        ApplyAdjustment(mask.get(), blur);
    else
        BlurBitmap(*mask, float(blur.param1 / 4000.0 * width));
    SetAlphaFromMask(*mask, *masked);
    return masked;
}
