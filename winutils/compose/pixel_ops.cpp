#include "compose/pixel_ops.h"

#include <algorithm>
#include <cstring>

#include "imaging/gdiplus_owners.h"

void BlendPixel(const std::uint8_t* s, std::uint8_t* t) {
    const std::uint32_t as = s[3];
    if (as == 255) {
        std::memcpy(t, s, 4);
        return;
    }
    if (as == 0) return;
    const std::uint32_t at = t[3];
    if (at == 255) {
        for (int c = 0; c < 3; ++c)
            t[c] = std::uint8_t((s[c] * as + t[c] * (255 - as) + 127) / 255);
        return;
    }
    // Coverage times 255: the target shows through where the source is not opaque.
    const std::uint32_t weightS = as * 255, weightT = at * (255 - as);
    const std::uint32_t total = weightS + weightT;
    for (int c = 0; c < 3; ++c)
        t[c] = std::uint8_t((s[c] * weightS + t[c] * weightT + total / 2) / total);
    t[3] = std::uint8_t((total + 127) / 255);
}

bool FillBitmap(Gdiplus::Bitmap& bitmap, std::uint32_t argb) {
    CBitmapLock lock(bitmap, Gdiplus::ImageLockModeWrite);
    if (!lock.Locked()) return false;
    const std::uint8_t pixel[4] = {std::uint8_t(argb), std::uint8_t(argb >> 8),
                                   std::uint8_t(argb >> 16), std::uint8_t(argb >> 24)};
    for (int y = 0; y < lock.Height(); ++y) {
        std::uint8_t* row = lock.Row(y);
        for (int x = 0; x < lock.Width(); ++x)
            std::memcpy(row + 4 * x, pixel, 4);
    }
    return true;
}

bool BlendOver(Gdiplus::Bitmap& target, std::int32_t x, std::int32_t y, Gdiplus::Bitmap& source,
               const PixelRect* area) {
    PixelRect from{0, 0, std::int32_t(source.GetWidth()), std::int32_t(source.GetHeight())};
    if (area) from = *area;
    // Clip to the source, then to the target.
    const std::int64_t tw = target.GetWidth(), th = target.GetHeight();
    const std::int64_t sw = source.GetWidth(), sh = source.GetHeight();
    std::int64_t sx0 = std::max<std::int64_t>(from.x, 0), sy0 = std::max<std::int64_t>(from.y, 0);
    std::int64_t sx1 = std::min<std::int64_t>(std::int64_t(from.x) + from.width, sw);
    std::int64_t sy1 = std::min<std::int64_t>(std::int64_t(from.y) + from.height, sh);
    const std::int64_t dx = std::int64_t(x) - from.x, dy = std::int64_t(y) - from.y;
    sx0 = std::max(sx0, -dx);
    sy0 = std::max(sy0, -dy);
    sx1 = std::min(sx1, tw - dx);
    sy1 = std::min(sy1, th - dy);
    if (sx1 <= sx0 || sy1 <= sy0) return true; // nothing shows

    const Gdiplus::Rect sourceRect(int(sx0), int(sy0), int(sx1 - sx0), int(sy1 - sy0));
    const Gdiplus::Rect targetRect(int(sx0 + dx), int(sy0 + dy), int(sx1 - sx0), int(sy1 - sy0));
    CBitmapLock in(source, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &sourceRect);
    CBitmapLock out(target, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite,
                    PixelFormat32bppARGB, &targetRect);
    if (!in.Locked() || !out.Locked()) return false;
    for (int row = 0; row < sourceRect.Height; ++row) {
        const std::uint8_t* s = in.Row(row);
        std::uint8_t* t = out.Row(row);
        for (int i = 0; i < sourceRect.Width; ++i)
            BlendPixel(s + 4 * i, t + 4 * i);
    }
    return true;
}
