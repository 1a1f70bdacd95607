#include "imaging/adjustment.h"

#include <algorithm>
#include <cstring>

#include "imaging/cx_image.h"
#include "imaging/gaussian_blur.h"
#include "imaging/gdiplus_owners.h"
#include "imaging/pixel_adjust.h"

namespace {

// The locked pixels in memory order: the lowest row first, and whether that is the top row.
struct LockedRows {
    std::uint8_t* first;
    std::uint32_t bytesPerLine;
    bool topDown;
};

LockedRows RowsOf(const CBitmapLock& lock) {
    if (lock.Stride() >= 0) return {lock.Scan0(), std::uint32_t(lock.Stride()), true};
    return {lock.Row(lock.Height() - 1), std::uint32_t(-lock.Stride()), false};
}

// A working copy the right way up: CxImage row 0 is the bottom row.
bool MakeWorkingCopy(const CBitmapLock& lock, CxImage& work) {
    const LockedRows rows = RowsOf(lock);
    return work.CreateFromArray(rows.first, std::uint32_t(lock.Width()),
                                std::uint32_t(lock.Height()), 32, rows.bytesPerLine, rows.topDown);
}

// Colour rows and alpha plane back over the whole bitmap.
void WriteBack(const CxImage& work, const CBitmapLock& lock) {
    const int width = lock.Width(), height = lock.Height();
    for (int y = 0; y < height; ++y) {
        const std::uint32_t row = std::uint32_t(height - 1 - y);
        const std::uint8_t* colour = work.GetBits(row);
        const std::uint8_t* alpha = work.AlphaGetPointer(0, row);
        std::uint8_t* out = lock.Row(y);
        for (int x = 0; x < width; ++x, out += 4, colour += 3) {
            out[0] = colour[0];
            out[1] = colour[1];
            out[2] = colour[2];
            out[3] = alpha[x];
        }
    }
}

PixelPlane ColourPlane(const CxImage& work) {
    return {work.GetBits(0),
            int(work.GetWidth()),
            int(work.GetHeight()),
            std::ptrdiff_t(work.GetEffWidth()),
            3,
            3};
}

PixelPlane AlphaPlane(const CxImage& work) {
    return {work.AlphaGetPointer(0, 0),
            int(work.GetWidth()),
            int(work.GetHeight()),
            std::ptrdiff_t(work.GetWidth()),
            1,
            1};
}

int Slider(std::int32_t value) {
    return std::clamp<std::int32_t>(value, 0, 100);
}

} // namespace

Gdiplus::Bitmap* ApplyAdjustment(Gdiplus::Bitmap* bitmap, const Adjustment& adjustment) {
    const std::wstring& name = adjustment.name;
    if (name == L"None" || !bitmap) return nullptr;
    if (!FindAdjustment(name)) return bitmap;
    const int p1 = Slider(adjustment.param1), p2 = Slider(adjustment.param2),
              p3 = Slider(adjustment.param3);
    if ((name == L"Blur" && p1 == 0) || (name == L"Sharpen" && p2 == 0)) return bitmap; // no-ops
    CBitmapLock lock(*bitmap, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite);
    if (!lock.Locked()) return bitmap;
    if (name == L"Black & white") {
        BlackAndWhite({lock.Scan0(), lock.Width(), lock.Height(), lock.Stride(), 4, 3});
        return bitmap;
    }
    CxImage work;
    if (!MakeWorkingCopy(lock, work)) return bitmap;
    const PixelPlane colour = ColourPlane(work);
    bool changed = true;
    if (name == L"Brightness/contrast")
        ApplyByteTable(colour, BrightnessContrastTable(p1, p2));
    else if (name == L"Hue/saturation")
        HueSaturation(colour, p1, p2, p3);
    else if (name == L"Blur")
        changed = GaussianBlur(colour, colour, BlurRadius(p1, lock.Width()));
    else if (name == L"Sharpen")
        changed = Sharpen(colour, SharpenRadius(p1, lock.Width()), float(p2) / 100.0f);
    if (changed) WriteBack(work, lock);
    return bitmap;
}

bool BlurBitmap(Gdiplus::Bitmap& bitmap, float radius, bool blurAlpha) {
    CBitmapLock lock(bitmap, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite);
    if (!lock.Locked()) return false;
    CxImage work;
    if (!MakeWorkingCopy(lock, work)) return false;
    if (!GaussianBlur(ColourPlane(work), ColourPlane(work), radius)) return false;
    if (blurAlpha && !GaussianBlur(AlphaPlane(work), AlphaPlane(work), radius)) return false;
    WriteBack(work, lock);
    return true;
}
