#include "imaging/image_encoder.h"

#include <cstdint>
#include <memory>
#include <new>

#include "frame/gdiplus_startup.h"
#include "imaging/mime_type.h"

int FindEncoderForPath(const std::wstring& path, CLSID* clsid) {
    if (!EnsureGdiplus()) return -1;
    const std::wstring mime = MimeTypeForPath(path);
    UINT count = 0, size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || count == 0 || size == 0)
        return -1;
    std::unique_ptr<std::uint64_t[]> buffer(new (std::nothrow) std::uint64_t[(size + 7) / 8]);
    if (!buffer) return -1;
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.get());
    if (Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok) return -1;
    for (UINT i = 0; i < count; ++i) {
        if (encoders[i].MimeType && mime == encoders[i].MimeType) {
            if (clsid) *clsid = encoders[i].Clsid;
            return int(i);
        }
    }
    return -1;
}

bool SaveBitmapToFile(Gdiplus::Image& bitmap, const std::wstring& path) {
    CLSID encoder;
    if (FindEncoderForPath(path, &encoder) < 0) return false;
    return bitmap.Save(path.c_str(), &encoder, nullptr) == Gdiplus::Ok;
}
