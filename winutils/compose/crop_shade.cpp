#include <cstring>

#include "compose/pixel_ops.h"
#include "compose/signature_stamp.h"
#include "imaging/bitmap_file.h"

BitmapPtr CropBitmap(Gdiplus::Bitmap& image, const RelativeRect& rect) {
    const PixelRect crop = CropPixels(int(image.GetWidth()), rect);
    if (crop.width <= 0 || crop.height <= 0) return nullptr;
    BitmapPtr result = CreateArgbBitmap(crop.width, crop.height);
    if (!IsUsableBitmap(result.get())) return nullptr;
    CopyImageMetadata(image, *result);
    // Blending onto the transparent bitmap copies the pixels as they are.
    BlendOver(*result, 0, 0, image, &crop);
    return result;
}

bool ShadeOutside(Gdiplus::Bitmap& image, const RelativeRect& rect) {
    if (rect.width < 0) return true;
    const int width = int(image.GetWidth()), height = int(image.GetHeight());
    const PixelRect inside = PixelsInside(width, height, rect);
    CBitmapLock lock(image, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite);
    if (!lock.Locked()) return false;
    static const std::uint8_t kShade[4] = {0, 0, 0, 100};
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = lock.Row(y);
        const bool rowInside = y >= inside.y && y < inside.y + inside.height;
        for (int x = 0; x < width; ++x) {
            if (rowInside && x >= inside.x && x < inside.x + inside.width) {
                x = inside.x + inside.width - 1; // skip the clear span
                continue;
            }
            BlendPixel(kShade, row + 4 * x);
        }
    }
    return true;
}
