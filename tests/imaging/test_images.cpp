#include "test_images.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

#include "frame/gdiplus_startup.h"
#include "imaging/image_encoder.h"

namespace imagingtest {

Pixels RandomPixels(int width, int height, unsigned seed, bool randomAlpha) {
    std::mt19937 random(seed);
    Pixels p{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
    for (std::size_t i = 0; i < p.bytes.size(); ++i)
        p.bytes[i] = (i % 4 == 3 && !randomAlpha) ? 255 : std::uint8_t(random() & 255);
    return p;
}

Pixels PhotoLikePixels(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-6, 6);
    Pixels p{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            int r = int(40 + 180 * u), g = int(60 + 150 * v), b = int(200 - 120 * u * v);
            if ((x / (width / 7 + 1) + y / (height / 5 + 1)) % 3 == 0) r = 255 - r; // edges
            std::uint8_t* q = p.At(x, y);
            q[0] = std::uint8_t(std::clamp(b + noise(random), 0, 255));
            q[1] = std::uint8_t(std::clamp(g + noise(random), 0, 255));
            q[2] = std::uint8_t(std::clamp(r + noise(random), 0, 255));
            q[3] = 255;
        }
    }
    return p;
}

BitmapPtr BitmapFromPixels(const Pixels& pixels) {
    EnsureGdiplus();
    BitmapPtr bitmap(new Gdiplus::Bitmap(pixels.width, pixels.height, PixelFormat32bppARGB));
    CBitmapLock lock(*bitmap, Gdiplus::ImageLockModeWrite);
    for (int y = 0; y < pixels.height; ++y)
        std::memcpy(lock.Row(y), pixels.At(0, y), std::size_t(pixels.width) * 4);
    return bitmap;
}

Pixels PixelsOf(Gdiplus::Bitmap& bitmap) {
    Pixels p{int(bitmap.GetWidth()), int(bitmap.GetHeight()), {}};
    p.bytes.resize(std::size_t(p.width) * p.height * 4);
    CBitmapLock lock(bitmap, Gdiplus::ImageLockModeRead);
    for (int y = 0; y < p.height && lock.Locked(); ++y)
        std::memcpy(p.At(0, y), lock.Row(y), std::size_t(p.width) * 4);
    return p;
}

std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

// The APP1 segment's TIFF block, or empty.
std::vector<std::uint8_t> ExifTiff(const std::vector<std::uint8_t>& jpeg) {
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF && jpeg[at + 1] != 0xDA) {
        const std::size_t length = std::size_t(jpeg[at + 2]) << 8 | jpeg[at + 3];
        if (jpeg[at + 1] == 0xE1 && length >= 8 && at + 2 + length <= jpeg.size() &&
            std::memcmp(&jpeg[at + 4], "Exif\0\0", 6) == 0)
            return std::vector<std::uint8_t>(jpeg.begin() + at + 10,
                                             jpeg.begin() + at + 2 + length);
        at += 2 + length;
    }
    return {};
}

} // namespace

int JpegOrientation(const std::vector<std::uint8_t>& jpeg) {
    const std::vector<std::uint8_t> t = ExifTiff(jpeg);
    if (t.size() < 8) return -1;
    const bool le = t[0] == 'I';
    auto u16 = [&](std::size_t i) { return le ? t[i] | t[i + 1] << 8 : t[i] << 8 | t[i + 1]; };
    auto u32 = [&](std::size_t i) {
        return le ? std::uint32_t(u16(i)) | std::uint32_t(u16(i + 2)) << 16
                  : std::uint32_t(u16(i)) << 16 | std::uint32_t(u16(i + 2));
    };
    const std::size_t ifd = u32(4);
    if (ifd + 2 > t.size()) return -1;
    for (int i = 0, n = u16(ifd); i < n; ++i) {
        const std::size_t e = ifd + 2 + 12 * std::size_t(i);
        if (e + 12 > t.size()) return -1;
        if (u16(e) == 0x0112) return u16(e + 8);
    }
    return -1;
}

void SaveJpegWithOrientation(const Pixels& pixels, const std::wstring& path, int orientation) {
    BitmapPtr bitmap = BitmapFromPixels(pixels);
    std::uint16_t value = std::uint16_t(orientation);
    Gdiplus::PropertyItem item;
    item.id = PropertyTagOrientation;
    item.length = sizeof value;
    item.type = PropertyTagTypeShort;
    item.value = &value;
    bitmap->SetPropertyItem(&item);
    SaveBitmapToFile(*bitmap, path);
    std::vector<std::uint8_t> jpeg = ReadFileBytes(path);
    if (JpegOrientation(jpeg) == orientation) return;
    // The platform dropped the item: an EXIF block with IFD0 holding just the orientation.
    const std::uint8_t app1[] = {0xFF,
                                 0xE1,
                                 0,
                                 34,
                                 'E',
                                 'x',
                                 'i',
                                 'f',
                                 0,
                                 0,
                                 'I',
                                 'I',
                                 42,
                                 0,
                                 8,
                                 0,
                                 0,
                                 0, // TIFF header, IFD0 at 8
                                 1,
                                 0, // one entry
                                 0x12,
                                 0x01,
                                 3,
                                 0,
                                 1,
                                 0,
                                 0,
                                 0, // orientation, SHORT, 1
                                 std::uint8_t(orientation),
                                 0,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0};
    jpeg.insert(jpeg.begin() + 2, std::begin(app1), std::end(app1));
    WriteFileBytes(path, jpeg);
}

int DecodedOrientation(Gdiplus::Image& image) {
    const UINT size = image.GetPropertyItemSize(PropertyTagOrientation);
    if (size == 0) return -1;
    std::vector<std::uint64_t> buffer(size / 8 + 1);
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (image.GetPropertyItem(PropertyTagOrientation, size, item) != Gdiplus::Ok) return -1;
    return *static_cast<std::uint16_t*>(item->value);
}

} // namespace imagingtest
