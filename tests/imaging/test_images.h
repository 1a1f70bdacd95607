// Pictures and files for the image toolkit's tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "imaging/gdiplus_owners.h"

namespace imagingtest {

// Top-down B, G, R, A pixels with their size.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes; // stride 4 x width
    std::uint8_t* At(int x, int y) { return &bytes[(std::size_t(y) * width + x) * 4]; }
    const std::uint8_t* At(int x, int y) const { return &bytes[(std::size_t(y) * width + x) * 4]; }
};

Pixels RandomPixels(int width, int height, unsigned seed, bool randomAlpha);
// A smooth colour gradient with a little noise and a few hard edges, opaque.
Pixels PhotoLikePixels(int width, int height, unsigned seed);

// A 32-bit ARGB bitmap holding the pixels, and back.
BitmapPtr BitmapFromPixels(const Pixels& pixels);
Pixels PixelsOf(Gdiplus::Bitmap& bitmap);

std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
bool FileExists(const std::wstring& path);

// Saves a JPEG whose EXIF block holds an orientation item of this value (made with the
// platform's metadata calls, or spliced into the file where they do nothing).
void SaveJpegWithOrientation(const Pixels& pixels, const std::wstring& path, int orientation);
// The orientation item of a JPEG file's EXIF block, or -1.
int JpegOrientation(const std::vector<std::uint8_t>& jpeg);
// The orientation item the platform decoder reports, or -1 when it reports no items at all.
int DecodedOrientation(Gdiplus::Image& image);

} // namespace imagingtest
