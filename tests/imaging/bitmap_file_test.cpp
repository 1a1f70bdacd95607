#include "imaging/bitmap_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

#include "automation.h"
#include "imaging/adjustment.h"
#include "imaging/image_encoder.h"
#include "imaging/resample_bitmap.h"
#include "imaging/pixel_limits.h"
#include "test_images.h"

using namespace imagingtest;

namespace {

class BitmapFile : public testing::Test {
  protected:
    std::wstring dir_ = kvtest::MakeTempDir(L"bitmapfile");
    std::wstring Path(const wchar_t* name) const { return dir_ + L"\\" + name; }
};

TEST_F(BitmapFile, DecodesWhatItSaved) {
    const Pixels pixels = PhotoLikePixels(33, 17, 1);
    for (const wchar_t* name : {L"a.png", L"a.bmp", L"a.tif", L"a.jpg"}) {
        SCOPED_TRACE(kvtest::Utf8(name));
        ASSERT_TRUE(SaveBitmapToFile(*BitmapFromPixels(pixels), Path(name)));
        BitmapPtr loaded = LoadBitmapFile(Path(name));
        ASSERT_TRUE(IsUsableBitmap(loaded.get()));
        EXPECT_EQ(loaded->GetWidth(), 33u);
        EXPECT_EQ(loaded->GetHeight(), 17u);
    }
    BitmapPtr png = LoadBitmapFile(Path(L"a.png"));
    EXPECT_EQ(PixelsOf(*png).bytes, pixels.bytes); // lossless round trip
}

TEST_F(BitmapFile, UnreadableFilesGiveABitmapOfSizeZero) {
    WriteFileBytes(Path(L"garbage.jpg"), std::vector<std::uint8_t>(1000, 0x33));
    WriteFileBytes(Path(L"empty.png"), {});
    std::vector<std::uint8_t> cut = {0xFF, 0xD8, 0xFF, 0xE0, 0x00}; // a JPEG cut short
    WriteFileBytes(Path(L"cut.jpg"), cut);
    for (const wchar_t* name : {L"missing.jpg", L"garbage.jpg", L"empty.png", L"cut.jpg"}) {
        SCOPED_TRACE(kvtest::Utf8(name));
        BitmapPtr bitmap = LoadBitmapFile(Path(name));
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->GetWidth(), 0u);
        EXPECT_EQ(bitmap->GetHeight(), 0u);
        EXPECT_FALSE(IsUsableBitmap(bitmap.get()));
    }
    EXPECT_FALSE(IsUsableBitmap(nullptr));
}

// Headers that promise more pixels than the toolkit accepts are refused before decoding.
TEST_F(BitmapFile, HugeDeclaredSizesAreRefusedBeforeDecoding) {
    // A real small JPEG whose frame header is patched to 65000 x 65000.
    SaveBitmapToFile(*BitmapFromPixels(PhotoLikePixels(16, 16, 2)), Path(L"small.jpg"));
    std::vector<std::uint8_t> jpeg = ReadFileBytes(Path(L"small.jpg"));
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = jpeg[i + 7] = 0xFD;
            jpeg[i + 6] = jpeg[i + 8] = 0xE8;
            break;
        }
    }
    WriteFileBytes(Path(L"huge.jpg"), jpeg);
    // A PNG header of 20000 x 20000 (400 megapixels) and a BMP of 30000 x -30000.
    std::vector<std::uint8_t> png = {0x89, 'P',  'N', 'G', '\r', '\n', 0x1A, '\n', 0,    0, 0,
                                     13,   'I',  'H', 'D', 'R',  0,    0,    0x4E, 0x20, 0, 0,
                                     0x4E, 0x20, 8,   6,   0,    0,    0,    0,    0,    0, 0};
    WriteFileBytes(Path(L"huge.png"), png);
    std::vector<std::uint8_t> bmp(54, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp[14] = 40;
    const std::int32_t w = 30000, h = -30000;
    std::memcpy(&bmp[18], &w, 4);
    std::memcpy(&bmp[22], &h, 4);
    bmp[26] = 1;
    bmp[28] = 32;
    WriteFileBytes(Path(L"huge.bmp"), bmp);
    // A GIF whose screen is small but whose first frame is 65535 x 65535.
    WriteFileBytes(Path(L"huge.gif"),
                   {'G', 'I', 'F', '8',  '9',  'a',  1,    0, 1, 0, 0,    0,    0, 0x2C, 0,
                    0,   0,   0,   0xFF, 0xFF, 0xFF, 0xFF, 0, 2, 2, 0x4C, 0x01, 0, 0x3B});
    // A TIFF of 100000 x 100000 (big-endian).
    WriteFileBytes(Path(L"huge.tif"),
                   {'M', 'M',  0,    42, 0, 0, 0, 8, 0, 2, 1, 0, 0, 4,    0,    0, 0, 1, 0,
                    1,   0x86, 0xA0, 1,  1, 0, 4, 0, 0, 0, 1, 0, 1, 0x86, 0xA0, 0, 0, 0, 0});
    for (const wchar_t* name : {L"huge.jpg", L"huge.png", L"huge.bmp", L"huge.gif", L"huge.tif"}) {
        SCOPED_TRACE(kvtest::Utf8(name));
        const auto start = std::chrono::steady_clock::now();
        BitmapPtr bitmap = LoadBitmapFile(Path(name));
        ASSERT_TRUE(bitmap);
        EXPECT_FALSE(IsUsableBitmap(bitmap.get()));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    }
}

// Every operation takes a bitmap that could not be decoded without harm.
TEST(UnusableBitmap, EveryOperationDeclinesIt) {
    BitmapPtr empty = EmptyBitmap();
    ASSERT_TRUE(empty);
    EXPECT_EQ(CloneBitmapArgb(*empty), nullptr);
    EXPECT_EQ(CopyImageMetadata(*empty, *empty), 0);
    BitmapPtr target = CreateArgbBitmap(4, 4);
    EXPECT_FALSE(ResampleBitmapInto(*empty, *target));
    EXPECT_FALSE(ResampleBitmapInto(*target, *empty));
    EXPECT_FALSE(IsUsableBitmap(ResampleBitmap(*empty, 10, 10).get()));
    EXPECT_FALSE(BlurBitmap(*empty, 3.0f));
    for (const AdjustmentInfo& info : AdjustmentCatalogue())
        ApplyAdjustment(empty.get(), {info.name, 50, 50, 50});
    EXPECT_FALSE(SaveBitmapToFile(*empty, kvtest::MakeTempDir(L"unusable") + L"\\x.png"));
}

TEST(PixelLimits, AreaAndBytesNeverOverflow) {
    EXPECT_TRUE(IsAllowedImageSize(13000, 13000));
    EXPECT_TRUE(IsAllowedImageSize(kMaxImagePixels, 1));
    EXPECT_FALSE(IsAllowedImageSize(kMaxImagePixels + 1, 1));
    EXPECT_FALSE(IsAllowedImageSize(14000, 14000));
    EXPECT_FALSE(IsAllowedImageSize(0, 10));
    EXPECT_FALSE(IsAllowedImageSize(1ull << 32, 1ull << 32)); // the product wraps in 64 bits
    EXPECT_EQ(ArgbBytes(kMaxImagePixels, 1), std::size_t(kMaxImagePixels) * 4);
}

TEST(CreateArgbBitmap, IsTransparentArgbOrEmpty) {
    BitmapPtr bitmap = CreateArgbBitmap(37, 5);
    ASSERT_TRUE(IsUsableBitmap(bitmap.get()));
    EXPECT_EQ(bitmap->GetPixelFormat(), PixelFormat32bppARGB);
    const Pixels pixels = PixelsOf(*bitmap);
    EXPECT_EQ(pixels.bytes, std::vector<std::uint8_t>(37 * 5 * 4, 0));
    for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-1, 5}, {20000, 20000}}) {
        BitmapPtr none = CreateArgbBitmap(w, h);
        ASSERT_TRUE(none);
        EXPECT_FALSE(IsUsableBitmap(none.get()));
    }
}

TEST_F(BitmapFile, CloneIsArgbWithTheSamePixels) {
    const Pixels pixels = PhotoLikePixels(21, 13, 3);
    SaveBitmapToFile(*BitmapFromPixels(pixels), Path(L"c.bmp")); // decodes as 24 or 32 bit
    BitmapPtr loaded = LoadBitmapFile(Path(L"c.bmp"));
    BitmapPtr clone = CloneBitmapArgb(*loaded);
    ASSERT_TRUE(clone);
    EXPECT_EQ(clone->GetPixelFormat(), PixelFormat32bppARGB);
    EXPECT_EQ(PixelsOf(*clone).bytes, pixels.bytes);
    BitmapPtr empty = EmptyBitmap();
    EXPECT_EQ(CloneBitmapArgb(*empty), nullptr);
}

TEST_F(BitmapFile, CloneKeepsTheOrientationItem) {
    SaveJpegWithOrientation(PhotoLikePixels(40, 30, 4), Path(L"o.jpg"), 6);
    BitmapPtr loaded = LoadBitmapFile(Path(L"o.jpg"));
    if (DecodedOrientation(*loaded) == -1)
        GTEST_SKIP() << "this platform's decoder reports no metadata items";
    EXPECT_EQ(DecodedOrientation(*loaded), 6);
    BitmapPtr clone = CloneBitmapArgb(*loaded);
    EXPECT_EQ(DecodedOrientation(*clone), 6);
    ASSERT_TRUE(SaveBitmapToFile(*clone, Path(L"clone.jpg")));
    EXPECT_EQ(JpegOrientation(ReadFileBytes(Path(L"clone.jpg"))), 6);
}

TEST(FindEncoderForPath, ChoosesByExtension) {
    struct Case {
        const wchar_t* path;
        const wchar_t* mime; // null: no encoder
    };
    const Case cases[] = {
        {L"C:\\photos\\photo.JPG", L"image/jpeg"},
        {L"photo.jpeg", L"image/jpeg"},
        {L"C:/a/photo.Tif", L"image/tiff"},
        {L"photo.tiff", L"image/tiff"},
        {L"x.PNG", L"image/png"},
        {L"x.bmp", L"image/bmp"},
        {L"x.gif", L"image/gif"},
        {L"photo.jpe", nullptr},
        {L"photo.jfif", nullptr},
        {L"C:\\photos\\photo", nullptr},
        {L"C:\\my.photos\\picture", nullptr}, // the dot belongs to the folder
        {L"C:/my.photos/picture", nullptr},
        {L"photo.", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kvtest::Utf8(c.path));
        CLSID clsid{};
        const int index = FindEncoderForPath(c.path, &clsid);
        if (!c.mime) {
            EXPECT_EQ(index, -1);
            continue;
        }
        ASSERT_GE(index, 0);
        UINT count = 0, size = 0;
        Gdiplus::GetImageEncodersSize(&count, &size);
        std::vector<std::uint64_t> buffer(size / 8 + 1);
        auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
        Gdiplus::GetImageEncoders(count, size, encoders);
        EXPECT_STREQ(encoders[index].MimeType, c.mime);
        EXPECT_TRUE(IsEqualCLSID(encoders[index].Clsid, clsid));
    }
}

TEST_F(BitmapFile, SavingWithoutAnEncoderFailsAndWritesNothing) {
    BitmapPtr bitmap = BitmapFromPixels(PhotoLikePixels(8, 8, 5));
    for (const wchar_t* name : {L"x.jpe", L"noextension"}) {
        EXPECT_FALSE(SaveBitmapToFile(*bitmap, Path(name)));
        EXPECT_FALSE(FileExists(Path(name)));
    }
}

} // namespace
