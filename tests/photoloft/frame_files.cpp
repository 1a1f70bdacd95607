#include "frame_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "imaging/bitmap_file.h"
#include "imaging/image_encoder.h"

namespace frametest {

void WriteImage(const std::wstring& path, int width, int height, unsigned rgb) {
    BitmapPtr bitmap = CreateArgbBitmap(width, height);
    ASSERT_TRUE(IsUsableBitmap(bitmap.get()));
    {
        Gdiplus::Graphics graphics(bitmap.get());
        graphics.Clear(Gdiplus::Color(Gdiplus::ARGB(0xFF000000u | rgb)));
    }
    ASSERT_TRUE(SaveBitmapToFile(*bitmap, path));
}

void WriteText(const std::wstring& path, std::string_view utf8) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(utf8.data(), std::streamsize(utf8.size()));
    ASSERT_TRUE(out.good());
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

unsigned PixelAt(Gdiplus::Bitmap& bitmap, int x, int y) {
    Gdiplus::Color color;
    bitmap.GetPixel(x, y, &color);
    return color.GetValue();
}

} // namespace frametest
