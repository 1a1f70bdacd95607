#include "canvas.h"

#include <windows.h>
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

#include <memory>

namespace {

bool EncoderFor(const wchar_t* mime, CLSID* clsid) {
    UINT count = 0, size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
    std::vector<unsigned char> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i)
        if (std::wstring(codecs[i].MimeType) == mime) {
            *clsid = codecs[i].Clsid;
            return true;
        }
    return false;
}

unsigned char Byte(float v) {
    return static_cast<unsigned char>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f);
}

enum class Channels { Colour, OpaqueColour, AlphaAsGrey };

std::unique_ptr<Gdiplus::Bitmap> ToBitmap(const Canvas& canvas, Channels channels) {
    auto bitmap =
        std::make_unique<Gdiplus::Bitmap>(canvas.Width(), canvas.Height(), PixelFormat32bppARGB);
    Gdiplus::Rect all(0, 0, canvas.Width(), canvas.Height());
    Gdiplus::BitmapData data{};
    if (bitmap->LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &data) !=
        Gdiplus::Ok)
        return nullptr;
    const std::vector<float>& px = canvas.Pixels();
    for (int y = 0; y < canvas.Height(); ++y) {
        auto* row = static_cast<unsigned char*>(data.Scan0) + ptrdiff_t(y) * data.Stride;
        const float* p = &px[size_t(y) * canvas.Width() * 4];
        for (int x = 0; x < canvas.Width(); ++x, p += 4) {
            if (channels == Channels::AlphaAsGrey) {
                row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = Byte(p[3]);
                row[4 * x + 3] = 255;
            } else {
                row[4 * x] = Byte(p[2]);
                row[4 * x + 1] = Byte(p[1]);
                row[4 * x + 2] = Byte(p[0]);
                row[4 * x + 3] = channels == Channels::Colour ? Byte(p[3]) : 255;
            }
        }
    }
    bitmap->UnlockBits(&data);
    return bitmap;
}

bool Save(Gdiplus::Bitmap& bitmap, const std::wstring& path, const wchar_t* mime, int quality) {
    CLSID clsid;
    if (!EncoderFor(mime, &clsid)) return false;
    if (quality <= 0) return bitmap.Save(path.c_str(), &clsid, nullptr) == Gdiplus::Ok;
    Gdiplus::EncoderParameters parameters{};
    ULONG value = ULONG(quality);
    parameters.Count = 1;
    parameters.Parameter[0].Guid = Gdiplus::EncoderQuality;
    parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Value = &value;
    return bitmap.Save(path.c_str(), &clsid, &parameters) == Gdiplus::Ok;
}

} // namespace

bool SavePng(const Canvas& canvas, const std::wstring& path) {
    auto bitmap = ToBitmap(canvas, Channels::Colour);
    return bitmap && Save(*bitmap, path, L"image/png", 0);
}

bool SaveJpeg(const Canvas& canvas, const std::wstring& path, int quality) {
    // The alpha goes to its own grey-level picture; the colours are stored as they are.
    auto bitmap = ToBitmap(canvas, Channels::OpaqueColour);
    return bitmap && Save(*bitmap, path, L"image/jpeg", quality);
}

bool SaveAlphaJpeg(const Canvas& canvas, const std::wstring& path, int quality) {
    auto bitmap = ToBitmap(canvas, Channels::AlphaAsGrey);
    return bitmap && Save(*bitmap, path, L"image/jpeg", quality);
}
