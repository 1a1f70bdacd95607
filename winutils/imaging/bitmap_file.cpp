#include "imaging/bitmap_file.h"

#include <new>

#include "common/handles.h"
#include "frame/gdiplus_startup.h"
#include "imaging/image_header.h"
#include "imaging/pixel_limits.h"

namespace {

// False when the file's header declares more pixels than the toolkit accepts.
bool DeclaresAllowedSize(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return true; // the decoder reports the missing file itself
    const ByteReader read = [&](std::uint64_t offset, void* buffer, std::size_t length) {
        LARGE_INTEGER at;
        at.QuadPart = LONGLONG(offset);
        DWORD got = 0;
        if (length > MAXDWORD || !SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN) ||
            !ReadFile(file.get(), buffer, DWORD(length), &got, nullptr))
            return std::size_t(0);
        return std::size_t(got);
    };
    DeclaredSize size;
    if (!ReadDeclaredSize(read, &size)) return true; // other formats: the decoder decides
    return IsAllowedImageSize(size.width, size.height);
}

} // namespace

BitmapPtr EmptyBitmap() {
    if (!EnsureGdiplus()) return nullptr;
    return BitmapPtr(new Gdiplus::Bitmap(0, 0, PixelFormat32bppARGB));
}

BitmapPtr LoadBitmapFile(const std::wstring& path) {
    if (!EnsureGdiplus()) return nullptr;
    if (!DeclaresAllowedSize(path)) return EmptyBitmap();
    BitmapPtr bitmap(new Gdiplus::Bitmap(path.c_str()));
    if (!bitmap) return EmptyBitmap();
    // Formats whose header was not read are held to the same limit once decoded.
    const UINT width = bitmap->GetWidth(), height = bitmap->GetHeight();
    if (width && height && !IsAllowedImageSize(width, height)) return EmptyBitmap();
    return bitmap;
}

bool IsUsableBitmap(Gdiplus::Image* bitmap) {
    return bitmap && bitmap->GetWidth() != 0 && bitmap->GetHeight() != 0;
}

BitmapPtr CreateArgbBitmap(int width, int height) {
    if (!EnsureGdiplus()) return nullptr;
    if (width <= 0 || height <= 0 || !IsAllowedImageSize(unsigned(width), unsigned(height)))
        return EmptyBitmap();
    return BitmapPtr(new Gdiplus::Bitmap(width, height, PixelFormat32bppARGB));
}

BitmapPtr CloneBitmapArgb(Gdiplus::Bitmap& source) {
    if (!EnsureGdiplus()) return nullptr;
    const Gdiplus::Rect all(0, 0, int(source.GetWidth()), int(source.GetHeight()));
    BitmapPtr clone(source.Clone(all, PixelFormat32bppARGB));
    if (!IsUsableBitmap(clone.get())) return nullptr;
    CopyImageMetadata(source, *clone);
    return clone;
}

int CopyImageMetadata(Gdiplus::Image& source, Gdiplus::Image& destination) {
    UINT size = 0, count = 0;
    if (source.GetPropertySize(&size, &count) != Gdiplus::Ok || count == 0 || size == 0) return 0;
    // Items point into the one buffer; 8-byte alignment for the records at its start.
    std::unique_ptr<std::uint64_t[]> buffer(new (std::nothrow) std::uint64_t[(size + 7) / 8]);
    if (!buffer) return 0;
    auto* items = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.get());
    if (source.GetAllPropertyItems(size, count, items) != Gdiplus::Ok) return 0;
    for (UINT i = 0; i < count; ++i)
        destination.SetPropertyItem(&items[i]); // failures ignored
    return int(count);
}
