#include "photoloft/frame_size.h"

#include "imaging/bitmap_file.h"

FrameSize MeasureFrameImage(const std::wstring& path) {
    FrameSize size;
    BitmapPtr bitmap = LoadBitmapFile(path);
    if (IsUsableBitmap(bitmap.get())) {
        size.width = int(bitmap->GetWidth());
        size.height = int(bitmap->GetHeight());
    }
    return size;
}
