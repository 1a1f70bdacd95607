// Frame folders for the catalogue tests: small images, masks and text files on disk.
#pragma once
#include <string>
#include <string_view>

#include "imaging/gdiplus_owners.h"

namespace frametest {

// An opaque image of one colour (0xRRGGBB), encoded by the file's extension.
void WriteImage(const std::wstring& path, int width, int height, unsigned rgb = 0x808080);
// The text's UTF-8 bytes, as they are.
void WriteText(const std::wstring& path, std::string_view utf8);
std::string ReadBytes(const std::wstring& path);
bool Exists(const std::wstring& path);

// The bitmap's pixel as 0xAARRGGBB.
unsigned PixelAt(Gdiplus::Bitmap& bitmap, int x, int y);

} // namespace frametest
