#include "compose/signature_stamp.h"

#include <algorithm>
#include <cmath>

#include "imaging/bitmap_file.h"
#include "imaging/resample_bitmap.h"

bool StampSignature(Gdiplus::Bitmap& image, Gdiplus::Bitmap& signature, RelativeRect& rect) {
    const float width = float(image.GetWidth());
    if (rect.width < 0) {
        rect = {0, 0, width, float(image.GetHeight())};
    } else {
        rect.x *= width;
        rect.y *= width;
        rect.width *= width;
        rect.height *= width;
    }
    if (!IsUsableBitmap(&signature)) return false;
    const PlacedImage place = PlaceSignature(rect.x, rect.y, rect.width, rect.height,
                                             int(signature.GetWidth()), int(signature.GetHeight()));
    if (!(place.width > 0 && place.height > 0)) return false;

    // The toolkit's resampler takes the signature to (about) its drawn size; the drawing call
    // then only places it at the exact fractional position.
    const double cap = 1 << 15;
    const int scaledWidth = int(std::min(std::ceil(double(place.width)), cap));
    const int scaledHeight = int(std::min(std::ceil(double(place.height)), cap));
    BitmapPtr scaled = ResampleBitmap(signature, scaledWidth, scaledHeight);
    if (!IsUsableBitmap(scaled.get())) return false;
    Gdiplus::Graphics graphics(&image);
    if (graphics.GetLastStatus() != Gdiplus::Ok) return false;
    return graphics.DrawImage(
               scaled.get(), Gdiplus::RectF(place.x, place.y, place.width, place.height), 0.0f,
               0.0f, float(scaledWidth), float(scaledHeight), Gdiplus::UnitPixel) == Gdiplus::Ok;
}
