#include "imaging/clipboard_image.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "automation.h"
#include "imaging/bitmap_file.h"
#include "test_images.h"

using namespace imagingtest;

namespace {

// Puts a 24-bit picture of w x h, or a text, on the clipboard.
bool PutBitmapOnClipboard(int w, int h) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    const bool ok = bitmap && SetClipboardData(CF_BITMAP, bitmap);
    CloseClipboard();
    return ok;
}

bool PutTextOnClipboard(const wchar_t* text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    const std::size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    const bool ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    return ok;
}

TEST(SaveClipboardImage, SavesAPictureAsJpeg) {
    const std::wstring dir = kvtest::MakeTempDir(L"clipboard");
    ASSERT_TRUE(PutBitmapOnClipboard(48, 20));
    const std::wstring path = dir + L"\\clipimage.jpg";
    ASSERT_TRUE(SaveClipboardImage(path));
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
    BitmapPtr saved = LoadBitmapFile(path);
    EXPECT_EQ(saved->GetWidth(), 48u);
    EXPECT_EQ(saved->GetHeight(), 20u);
    // An extension without encoder fails.
    EXPECT_FALSE(SaveClipboardImage(dir + L"\\clipimage.jpe"));
}

TEST(SaveClipboardImage, TextOnlyGivesFalseAndNoFile) {
    const std::wstring dir = kvtest::MakeTempDir(L"clipboardtext");
    ASSERT_TRUE(PutTextOnClipboard(L"just words"));
    const std::wstring path = dir + L"\\clipimage.jpg";
    EXPECT_FALSE(SaveClipboardImage(path));
    EXPECT_FALSE(FileExists(path));
}

} // namespace
