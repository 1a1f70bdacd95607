#include "imaging/gdiplus_owners.h"

CBitmapLock::CBitmapLock(Gdiplus::Bitmap& bitmap, unsigned mode, Gdiplus::PixelFormat format,
                         const Gdiplus::Rect* area)
    : bitmap_(bitmap) {
    Gdiplus::Rect all(0, 0, int(bitmap.GetWidth()), int(bitmap.GetHeight()));
    if (!area) area = &all;
    if (area->Width <= 0 || area->Height <= 0) return;
    locked_ = bitmap.LockBits(area, mode, format, &data_) == Gdiplus::Ok;
}

CBitmapLock::~CBitmapLock() {
    if (locked_) bitmap_.UnlockBits(&data_);
}
