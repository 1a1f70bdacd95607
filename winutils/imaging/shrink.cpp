#include "imaging/shrink.h"

#include <windows.h>

#include "frame/gdiplus_startup.h"
#include "imaging/bitmap_file.h"
#include "imaging/exif_carry.h"
#include "imaging/image_encoder.h"
#include "imaging/resample_bitmap.h"
#include "imaging/target_size.h"

namespace {

// A new bitmap of the budget's size with the source's metadata and its resampled pixels.
BitmapPtr Redraw(Gdiplus::Bitmap& source, std::uint32_t budget) {
    const ImageSize size = ShrinkTargetSize(source.GetWidth(), source.GetHeight(), budget);
    BitmapPtr target = CreateArgbBitmap(int(size.width), int(size.height));
    if (!IsUsableBitmap(target.get())) return target;
    CopyImageMetadata(source, *target);
    if (!ResampleBitmapInto(source, *target)) return EmptyBitmap();
    return target;
}

} // namespace

int ShrinkImageFile(const std::wstring& source, const std::wstring& destination,
                    std::uint32_t budget) {
    if (budget == 0 || !EnsureGdiplus()) return -1;
    BitmapPtr bitmap = LoadBitmapFile(source);
    if (!IsUsableBitmap(bitmap.get())) return -1;
    if (std::uint64_t(bitmap->GetWidth()) * bitmap->GetHeight() <= budget) {
        bitmap.reset(); // GDI+ may hold the file open
        return CopyFileW(source.c_str(), destination.c_str(), FALSE) ? 0 : -1;
    }
    BitmapPtr smaller = Redraw(*bitmap, budget);
    bitmap.reset(); // the decoded photo is not needed for encoding
    if (!IsUsableBitmap(smaller.get()) || !SaveBitmapToFile(*smaller, destination)) return -1;
    smaller.reset();
    CarryJpegExif(source, destination);
    return 1;
}

BitmapPtr ShrinkBitmap(Gdiplus::Bitmap& bitmap, std::uint32_t budget, bool force) {
    if (budget == 0) return nullptr;
    if (!force && std::uint64_t(bitmap.GetWidth()) * bitmap.GetHeight() <= budget) return nullptr;
    return Redraw(bitmap, budget);
}
