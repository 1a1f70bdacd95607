#include "imaging/resample_bitmap.h"

#include <algorithm>
#include <memory>

#include "imaging/bitmap_file.h"
#include "imaging/resample.h"

namespace {

// Source rows in bands of a few MiB, each locked only while read. 24-bit bitmaps (decoded JPEG
// photos) are read as they are; other formats are converted to 32-bit ARGB band by band.
class CBandReader {
  public:
    CBandReader(Gdiplus::Bitmap& bitmap, const Gdiplus::Rect& area)
        : bitmap_(bitmap), area_(area),
          format_(bitmap.GetPixelFormat() == PixelFormat24bppRGB ? PixelFormat24bppRGB
                                                                 : PixelFormat32bppARGB) {
        constexpr int kBandBytes = 4 << 20;
        bandRows_ = std::clamp(kBandBytes / std::max(1, area.Width * 4), 1, area.Height);
    }

    int PixelBytes() const { return format_ == PixelFormat24bppRGB ? 3 : 4; }

    const std::uint8_t* Row(int y) {
        if (!lock_ || y < bandTop_ || y >= bandTop_ + lock_->Height()) {
            lock_.reset();
            bandTop_ = y;
            const Gdiplus::Rect band(area_.X, area_.Y + y, area_.Width,
                                     std::min(bandRows_, area_.Height - y));
            lock_ =
                std::make_unique<CBitmapLock>(bitmap_, Gdiplus::ImageLockModeRead, format_, &band);
            if (!lock_->Locked()) return nullptr;
        }
        return lock_->Row(y - bandTop_);
    }

  private:
    Gdiplus::Bitmap& bitmap_;
    const Gdiplus::Rect area_;
    const Gdiplus::PixelFormat format_;
    int bandRows_ = 1;
    int bandTop_ = 0;
    std::unique_ptr<CBitmapLock> lock_;
};

} // namespace

bool ResampleBitmapInto(Gdiplus::Bitmap& source, Gdiplus::Bitmap& target,
                        const Gdiplus::Rect* area) {
    if (&source == &target) return false;
    const int sw = int(source.GetWidth()), sh = int(source.GetHeight());
    Gdiplus::Rect from(0, 0, sw, sh);
    if (area) {
        from = *area;
        if (from.X < 0 || from.Y < 0 || from.Width <= 0 || from.Height <= 0 ||
            from.Width > sw - from.X || from.Height > sh - from.Y)
            return false;
    }
    if (from.Width <= 0 || from.Height <= 0) return false;
    CBitmapLock out(target, Gdiplus::ImageLockModeWrite);
    if (!out.Locked()) return false;
    CBandReader reader(source, from);
    const ArgbRowReader rows = [&](int y) { return reader.Row(y); };
    return ResampleArgbRows(rows, from.Width, from.Height, out.Scan0(), out.Width(), out.Height(),
                            out.Stride(), reader.PixelBytes());
}

BitmapPtr ResampleBitmap(Gdiplus::Bitmap& source, int width, int height,
                         const Gdiplus::Rect* area) {
    BitmapPtr target = CreateArgbBitmap(width, height);
    if (!IsUsableBitmap(target.get())) return target;
    if (!ResampleBitmapInto(source, *target, area)) return EmptyBitmap();
    return target;
}
