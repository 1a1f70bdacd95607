// Uses the image core classes exported by KVRWinUtils.dll through its import library, as a
// program outside the library does (built with KV_IMAGE_CORE_IMPORT: nothing is linked in).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "imaging/cx_image.h"
#include "imaging/cx_io_file.h"
#include "imaging/cx_mem_file.h"

namespace {

TEST(ImageCoreExports, ComeFromTheLibrary) {
    HMODULE library = GetModuleHandleW(L"KVRWinUtils.dll");
    ASSERT_NE(library, nullptr);
    // The memory stream's vtable lies in the library's image.
    CxMemFile memory;
    void* vtable = *reinterpret_cast<void**>(&memory);
    MEMORY_BASIC_INFORMATION info{};
    ASSERT_NE(VirtualQuery(vtable, &info, sizeof info), 0u);
    EXPECT_EQ(info.AllocationBase, library);
}

TEST(ImageCoreExports, MemoryStreamThroughTheBaseClass) {
    CxMemFile memory;
    ASSERT_TRUE(memory.Open());
    CxFile& file = memory;
    EXPECT_EQ(file.Write("line\nrest", 1, 9), 9u);
    EXPECT_TRUE(file.PutC('!'));
    EXPECT_EQ(file.Size(), 10);
    EXPECT_TRUE(file.Seek(0, 0));
    char buffer[16];
    ASSERT_NE(file.GetS(buffer, 16), nullptr);
    EXPECT_STREQ(buffer, "line\n");
    EXPECT_EQ(file.GetC(), 'r');
    EXPECT_EQ(file.Tell(), 6);
    EXPECT_EQ(file.Scanf("%d", nullptr), 0);
    EXPECT_EQ(memory.Capacity(), 65536u);
    CxMemFile copy(memory);
    copy = memory;
    EXPECT_EQ(copy.Size(), 10);
}

// The virtual functions sit in the exported order: with this compiler's C++ ABI the destructor
// takes two entries, then Close, Read, Write, Seek, Tell, Size, Flush, Eof, Error, PutC, GetC,
// GetS, Scanf.
TEST(ImageCoreExports, VirtualSlotsInTheirOrder) {
    CxMemFile memory;
    ASSERT_TRUE(memory.Open());
    memory.Write("ab", 1, 2);
    void** slots = *reinterpret_cast<void***>(&memory);
    auto call = [&](int slot, auto signature) {
        return reinterpret_cast<decltype(signature)>(slots[slot]);
    };
    using Tell = std::int32_t (*)(CxFile*);
    using Seek = bool (*)(CxFile*, std::int32_t, std::int32_t);
    using GetC = std::int32_t (*)(CxFile*);
    using Eof = bool (*)(CxFile*);
    using Scanf = std::int32_t (*)(CxFile*, const char*, void*);
    CxFile* self = &memory;
    EXPECT_EQ(call(6, Tell())(self), 2);                // Tell
    EXPECT_TRUE(call(5, Seek())(self, 1, 0));           // Seek
    EXPECT_EQ(call(12, GetC())(self), 'b');             // GetC
    EXPECT_TRUE(call(9, Eof())(self));                  // Eof
    EXPECT_EQ(call(7, Tell())(self), 2);                // Size
    EXPECT_EQ(call(10, Tell())(self), 0);               // Error
    EXPECT_EQ(call(14, Scanf())(self, "", nullptr), 0); // Scanf
}

TEST(ImageCoreExports, FileStream) {
    wchar_t folder[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"kvx", 0, path);
    CxIOFile file;
    ASSERT_TRUE(file.Open(path, L"w+b"));
    EXPECT_EQ(file.Write("42", 1, 2), 2u);
    EXPECT_TRUE(file.Seek(0, SEEK_SET));
    int value = 0;
    EXPECT_EQ(file.Scanf("%d", &value), 1);
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(file.Close());
    DeleteFileW(path);
}

TEST(ImageCoreExports, WorkingBitmap) {
    CxImage image;
    EXPECT_FALSE(image.Create(0, 5, 24));
    EXPECT_STREQ(image.GetLastError(),
                 "CxImage::Create : width and height must be greater than zero");
    EXPECT_FALSE(image.Create(70000, 70000, 24));
    EXPECT_STREQ(image.GetLastError(), "CXIMAGE_MAX_MEMORY exceeded");
    const std::uint8_t pixels[8] = {1, 2, 3, 4, 5, 6, 7, 8}; // two rows of one pixel
    ASSERT_TRUE(image.CreateFromArray(pixels, 1, 2, 32, 4, true));
    CxImage copy(image);
    EXPECT_EQ(copy.GetEffWidth(), 4u);
    EXPECT_EQ(copy.GetBits(0)[0], 5); // the array's last row is the bottom row
    EXPECT_EQ(*copy.AlphaGetPointer(0, 1), 4);
    CxImage assigned;
    assigned = copy;
    EXPECT_EQ(assigned.GetPixelColor(0, 1).red, 3);
}

} // namespace
