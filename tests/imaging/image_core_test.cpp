#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "automation.h"
#include "imaging/cx_image.h"
#include "imaging/cx_io_file.h"
#include "imaging/cx_mem_file.h"

namespace {

// Every operation of a stream without its buffer or file gives its failure value.
void ExpectFailureValues(CxFile& f, std::int32_t tell) {
    char buffer[8] = "abc";
    EXPECT_EQ(f.Read(buffer, 1, 4), 0u);
    EXPECT_EQ(f.Write(buffer, 1, 4), 0u);
    EXPECT_FALSE(f.Seek(0, 0));
    EXPECT_EQ(f.Tell(), tell);
    EXPECT_EQ(f.Size(), -1);
    EXPECT_FALSE(f.Flush());
    EXPECT_TRUE(f.Eof());
    EXPECT_EQ(f.Error(), -1);
    EXPECT_FALSE(f.PutC('x'));
    EXPECT_EQ(f.GetC(), -1);
    EXPECT_EQ(f.GetS(buffer, 8), nullptr);
    EXPECT_TRUE(f.Close());
}

TEST(CxMemFile, WithoutABufferEveryOperationFails) {
    CxMemFile memory;
    ExpectFailureValues(memory, -1);
    EXPECT_EQ(memory.Scanf("%d", nullptr), 0);
}

TEST(CxIOFile, WithoutAStreamEveryOperationFails) {
    CxIOFile file;
    ExpectFailureValues(file, 0);
    int value = 0;
    EXPECT_EQ(file.Scanf("%d", &value), -1);
}

TEST(CxMemFile, GrowsInWholeBlocksOf65536) {
    CxMemFile memory;
    ASSERT_TRUE(memory.Open());
    EXPECT_FALSE(memory.Open()); // already has a buffer
    EXPECT_EQ(memory.Capacity(), 65536u);
    std::string data(65536, 'a');
    ASSERT_EQ(memory.Write(data.data(), 1, data.size()), data.size());
    EXPECT_EQ(memory.Capacity(), 65536u); // exactly full
    EXPECT_EQ(memory.Size(), 65536);
    ASSERT_EQ(memory.Write(data.data(), 4, 100), 100u); // element count back
    EXPECT_EQ(memory.Capacity(), 131072u);              // 65936 rounded down, plus a block
    EXPECT_EQ(memory.Size(), 65936);
    // Past the end: the gap reads as zeros and Error reports the position past the size.
    ASSERT_TRUE(memory.Seek(200000, 0));
    EXPECT_EQ(memory.Error(), 1);
    EXPECT_TRUE(memory.Eof());
    ASSERT_TRUE(memory.PutC('z'));
    EXPECT_EQ(memory.Capacity(), 262144u);
    EXPECT_EQ(memory.Size(), 200001);
    EXPECT_EQ(memory.Error(), 0);
    ASSERT_TRUE(memory.Seek(-2, 2));
    EXPECT_EQ(memory.GetC(), 0);
    EXPECT_EQ(memory.GetC(), 'z');
    EXPECT_EQ(memory.GetC(), -1);
}

TEST(CxMemFile, ReadsSeeksAndLines) {
    CxMemFile memory;
    ASSERT_TRUE(memory.Open());
    const char text[] = "one\ntwo\nend";
    ASSERT_EQ(memory.Write(text, 1, 11), 11u);
    EXPECT_EQ(memory.Tell(), 11);
    // Seeking: from the start, the current position, the end; below 0 becomes 0; bad origin.
    EXPECT_TRUE(memory.Seek(4, 0));
    EXPECT_EQ(memory.Tell(), 4);
    EXPECT_TRUE(memory.Seek(-2, 1));
    EXPECT_EQ(memory.Tell(), 2);
    EXPECT_TRUE(memory.Seek(-100, 2));
    EXPECT_EQ(memory.Tell(), 0);
    EXPECT_FALSE(memory.Seek(0, 3));
    // Whole elements only: 11 bytes are two elements of 4 (and the position moves by 11).
    char buffer[32] = {};
    EXPECT_EQ(memory.Read(buffer, 4, 10), 2u);
    EXPECT_EQ(memory.Tell(), 11);
    EXPECT_EQ(memory.Read(buffer, 1, 1), 0u); // at the end
    EXPECT_EQ(memory.Read(buffer, 0, 5), 0u);
    EXPECT_EQ(memory.Read(nullptr, 1, 5), 0u);
    // Lines: up to and with the line feed; the last line without one reads as null.
    memory.Seek(0, 0);
    ASSERT_NE(memory.GetS(buffer, 32), nullptr);
    EXPECT_STREQ(buffer, "one\n");
    ASSERT_NE(memory.GetS(buffer, 3), nullptr); // capacity - 1 bytes
    EXPECT_STREQ(buffer, "tw");
    ASSERT_NE(memory.GetS(buffer, 32), nullptr);
    EXPECT_STREQ(buffer, "o\n");
    EXPECT_EQ(memory.GetS(buffer, 32), nullptr);
    // Close frees the owned buffer.
    EXPECT_TRUE(memory.Close());
    EXPECT_EQ(memory.Size(), -1);
}

TEST(CxMemFile, CallersBufferIsNeverReallocatedAndCopiesDoNotFreeTwice) {
    std::uint8_t own[4] = {1, 2, 3, 4};
    {
        CxMemFile view(own, 4);
        EXPECT_EQ(view.Size(), 4);
        EXPECT_EQ(view.GetC(), 1);
        view.Seek(0, 2);
        ASSERT_TRUE(view.PutC(5)); // grows into a buffer of its own
        EXPECT_EQ(view.Size(), 5);
        EXPECT_EQ(view.GetBuffer(false)[0], 1);
        EXPECT_NE(view.GetBuffer(false), own);
    }
    EXPECT_EQ(own[3], 4);
    CxMemFile original;
    original.Open();
    original.Write("abc", 1, 3);
    {
        CxMemFile copy(original);
        CxMemFile assigned;
        assigned = original;
        EXPECT_EQ(copy.Size(), 3);
        EXPECT_EQ(assigned.GetBuffer(false), original.GetBuffer(false));
    } // the copies end without freeing the buffer
    original.Seek(0, 0);
    EXPECT_EQ(original.GetC(), 'a');
}

TEST(CxMemFile, SizesThatDoNotFitFail) {
    CxMemFile memory;
    ASSERT_TRUE(memory.Open());
    char c = 'x';
    EXPECT_EQ(memory.Write(&c, SIZE_MAX / 2, 4), 0u); // size x count overflows
    ASSERT_TRUE(memory.Seek(INT32_MAX, 0));
    EXPECT_EQ(memory.Write(&c, 1, 1), 0u);
    EXPECT_FALSE(memory.PutC('x'));
    EXPECT_FALSE(memory.Seek(1, 1));
}

TEST(CxIOFile, WrapsAFileStream) {
    const std::wstring path = kvtest::MakeTempDir(L"cxio") + L"\\stream.bin";
    CxIOFile file;
    ASSERT_TRUE(file.Open(path.c_str(), L"w+b"));
    EXPECT_FALSE(file.Open(path.c_str(), L"rb")); // already open
    EXPECT_EQ(file.Write("12 ab\nline", 1, 10), 10u);
    EXPECT_TRUE(file.PutC('!'));
    EXPECT_TRUE(file.Flush());
    EXPECT_EQ(file.Size(), 11);
    EXPECT_EQ(file.Tell(), 11); // Size puts the position back
    EXPECT_TRUE(file.Seek(0, SEEK_SET));
    int number = 0;
    EXPECT_EQ(file.Scanf("%d", &number), 1);
    EXPECT_EQ(number, 12);
    EXPECT_EQ(file.GetC(), ' ');
    char line[16];
    ASSERT_NE(file.GetS(line, 16), nullptr);
    EXPECT_STREQ(line, "ab\n");
    EXPECT_FALSE(file.Eof());
    EXPECT_EQ(file.Error(), 0);
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(file.Size(), -1);
    // A borrowed stream is not closed by the wrapper.
    std::FILE* stream = _wfopen(path.c_str(), L"rb");
    ASSERT_NE(stream, nullptr);
    {
        CxIOFile borrowed(stream);
        EXPECT_EQ(borrowed.GetC(), '1');
    }
    EXPECT_EQ(std::fgetc(stream), '2');
    std::fclose(stream);
}

TEST(CxImage, CreationLimitsAndTheirTexts) {
    struct Case {
        std::uint32_t width, height, bpp;
        const char* error; // null: created
    };
    const Case cases[] = {
        {0, 10, 24, "CxImage::Create : width and height must be greater than zero"},
        {10, 0, 32, "CxImage::Create : width and height must be greater than zero"},
        {8192, 8192, 32, nullptr},
        // A 32-bit request holds 24 colour bits: the limit is 2^31 bits of those.
        {11585, 7723, 32, nullptr}, // 2,147,302,920 colour bits
        {11586, 7723, 32, "CXIMAGE_MAX_MEMORY exceeded"},
        {4294967295u, 4294967295u, 32, "CXIMAGE_MAX_MEMORY exceeded"}, // the product overflows
        {11585, 7723, 24, nullptr},
        {11586, 7723, 24, "CXIMAGE_MAX_MEMORY exceeded"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " x " << c.bpp);
        CxImage image;
        EXPECT_EQ(image.Create(c.width, c.height, c.bpp), c.error == nullptr);
        EXPECT_STREQ(image.GetLastError(), c.error ? c.error : "");
        EXPECT_EQ(image.IsValid(), c.error == nullptr);
    }
}

TEST(CxImage, NewImagesHaveTheirDefaultsAndStride) {
    CxImage image;
    EXPECT_FALSE(image.IsValid());
    EXPECT_EQ(image.GetJpegQuality(), 90);
    EXPECT_EQ(image.GetXDpi(), 96);
    EXPECT_EQ(image.GetYDpi(), 96);
    EXPECT_EQ(image.GetBackgroundIndex(), -1);
    EXPECT_EQ(image.AlphaGetMax(), 255);
    EXPECT_TRUE(image.IsEnabled());
    ASSERT_TRUE(image.Create(5, 3, 32));
    EXPECT_EQ(image.GetBpp(), 24u);      // 32 is colour plus an alpha plane
    EXPECT_EQ(image.GetEffWidth(), 16u); // (5 x 24 + 31) / 32 x 4
    ASSERT_TRUE(image.AlphaIsValid());
    EXPECT_EQ(*image.AlphaGetPointer(4, 2), 255);
    EXPECT_FALSE(image.SelectionIsValid());
    ASSERT_TRUE(image.Create(4, 1, 24));
    EXPECT_EQ(image.GetEffWidth(), 12u);
    EXPECT_FALSE(image.AlphaIsValid());
}

TEST(CxImage, FromTopDownPixelsWithFlipAndCopies) {
    // 2 x 3 pixels, top-down, 4 bytes per pixel, rows padded to 12 bytes.
    std::uint8_t pixels[3][12] = {};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            for (int c = 0; c < 4; ++c)
                pixels[y][x * 4 + c] = std::uint8_t(100 * c + 10 * y + x);
    CxImage image;
    ASSERT_TRUE(image.CreateFromArray(&pixels[0][0], 2, 3, 32, 12, true));
    // Row 0 of the image is the bottom row: array row 2.
    const CxColor bottomRight = image.GetPixelColor(1, 0);
    EXPECT_EQ(bottomRight.blue, 21);
    EXPECT_EQ(bottomRight.green, 121);
    EXPECT_EQ(bottomRight.red, 221);
    EXPECT_EQ(bottomRight.alpha, 321 - 256); // the fourth byte goes to the alpha plane
    EXPECT_EQ(image.GetBits(2)[0], 0);       // top row, first pixel
    CxImage unflipped;
    ASSERT_TRUE(unflipped.CreateFromArray(&pixels[0][0], 2, 3, 32, 12, false));
    EXPECT_EQ(unflipped.GetPixelColor(1, 0).blue, 1);
    EXPECT_FALSE(unflipped.CreateFromArray(&pixels[0][0], 2, 3, 32, 7, false)); // short rows
    // A deep copy, then a transfer that empties its source.
    CxImage copy(image);
    image.SetPixelColor(0, 0, CxColor{9, 9, 9, 9}, true);
    EXPECT_EQ(copy.GetPixelColor(0, 0).blue, 20);
    EXPECT_EQ(image.GetPixelColor(0, 0).alpha, 9);
    CxImage target;
    ASSERT_TRUE(target.Transfer(copy));
    EXPECT_FALSE(copy.IsValid());
    EXPECT_EQ(copy.GetWidth(), 0u);
    EXPECT_EQ(target.GetPixelColor(0, 0).blue, 20);
    EXPECT_EQ(target.GetPixelColor(5, 5).blue, 0); // outside
}

} // namespace
