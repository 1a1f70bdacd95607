#include "test_bitmaps.h"

#include <cstdlib>

#include "automation.h"
#include "imaging/bitmap_file.h"
#include "imaging/image_encoder.h"

namespace kvtest {

BitmapPtr MakeBitmap(int width, int height, const PixelFunction& pixel) {
    BitmapPtr bitmap = CreateArgbBitmap(width, height);
    CBitmapLock lock(*bitmap, Gdiplus::ImageLockModeWrite);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(lock.Row(y));
        for (int x = 0; x < width; ++x)
            row[x] = pixel(x, y);
    }
    return bitmap;
}

BitmapPtr MakeSolid(int width, int height, std::uint32_t argb) {
    return MakeBitmap(width, height, [argb](int, int) { return argb; });
}

std::uint32_t PixelAt(Gdiplus::Bitmap& bitmap, int x, int y) {
    const Gdiplus::Rect one(x, y, 1, 1);
    CBitmapLock lock(bitmap, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &one);
    if (!lock.Locked()) return 0xdeadbeef;
    return *reinterpret_cast<const std::uint32_t*>(lock.Row(0));
}

bool Near(std::uint32_t actual, std::uint32_t expected, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = int((actual >> shift) & 255), e = int((expected >> shift) & 255);
        if (std::abs(a - e) > tolerance) return false;
    }
    return true;
}

void SaveForLooking(Gdiplus::Bitmap& bitmap, const std::wstring& name) {
    const std::wstring folder = OutDir() + L"\\compose";
    CreateDirectoryW(OutDir().c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    SaveBitmapToFile(bitmap, folder + L"\\" + name + L".png");
}

} // namespace kvtest
