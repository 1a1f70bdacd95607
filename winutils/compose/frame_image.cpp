#include "compose/frame_image.h"

#include "common/paths.h"
#include "imaging/bitmap_file.h"
#include "imaging/resample_bitmap.h"

bool SetAlphaFromMask(Gdiplus::Bitmap& mask, Gdiplus::Bitmap& target) {
    const int width = int(target.GetWidth()), height = int(target.GetHeight());
    // Other formats would drop the alpha again when the pixels are written back.
    if (target.GetPixelFormat() != PixelFormat32bppARGB) return false;
    Gdiplus::Bitmap* source = &mask;
    BitmapPtr scaled;
    if (int(mask.GetWidth()) != width || int(mask.GetHeight()) != height) {
        scaled = ResampleBitmap(mask, width, height);
        if (!IsUsableBitmap(scaled.get())) return false;
        source = scaled.get();
    }
    CBitmapLock in(*source, Gdiplus::ImageLockModeRead);
    CBitmapLock out(target, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite);
    if (!in.Locked() || !out.Locked()) return false;
    for (int y = 0; y < height; ++y) {
        const unsigned char* m = in.Row(y);
        unsigned char* t = out.Row(y);
        for (int x = 0; x < width; ++x)
            t[4 * x + 3] = m[4 * x + 2];
    }
    return true;
}

BitmapPtr LoadFrameImage(const std::wstring& path) {
    BitmapPtr frame = LoadBitmapFile(path);
    if (!IsUsableBitmap(frame.get())) return nullptr;
    BitmapPtr mask = LoadBitmapFile(RemoveExtension(path) + L"_alpha.jpg");
    if (!IsUsableBitmap(mask.get())) return frame;
    // A decoded JPEG has no alpha to write into.
    BitmapPtr argb = CloneBitmapArgb(*frame);
    if (!argb || !SetAlphaFromMask(*mask, *argb)) return frame;
    return argb;
}
