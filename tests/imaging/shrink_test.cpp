#include "imaging/shrink.h"

#include <gtest/gtest.h>

#include "automation.h"
#include "imaging/bitmap_file.h"
#include "imaging/image_encoder.h"
#include "imaging/target_size.h"
#include "test_images.h"

using namespace imagingtest;

namespace {

TEST(ShrinkTargetSize, KeepsTheAspectWithinTheBudget) {
    struct Case {
        std::uint32_t width, height, budget;
        ImageSize expected;
    };
    const Case cases[] = {
        {4000, 3000, 1048576, {1181, 886}},
        {3000, 4000, 1048576, {886, 1182}},
        {4000, 6000, 1048576, {836, 1254}}, // portrait
        {6000, 4000, 1048576, {1254, 836}}, // sqrt(699,050.67) = 836.09
        {1024, 1024, 1048576, {1024, 1024}},
        {1200, 800, 960000, {1200, 800}}, // the same size when the budget is the area
        {10, 10, 400, {20, 20}},          // enlarging
        {4294967295u, 1, 4294967295u, {4294967295u, 1}}, // products need 64 bits
        {100000, 1, 1000, {0, 0}},                       // too thin for any row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " in " << c.budget);
        const ImageSize size = ShrinkTargetSize(c.width, c.height, c.budget);
        EXPECT_EQ(size.width, c.expected.width);
        EXPECT_EQ(size.height, c.expected.height);
        EXPECT_LE(std::uint64_t(size.width) * size.height, c.budget);
    }
}

class ShrinkFile : public testing::Test {
  protected:
    std::wstring dir_ = kvtest::MakeTempDir(L"shrink");
    std::wstring Path(const wchar_t* name) const { return dir_ + L"\\" + name; }
};

TEST_F(ShrinkFile, AnImageWithinTheBudgetIsCopiedByteForByte) {
    // Exactly the budget's pixels; the destination's extension does not change the format.
    const std::wstring source = Path(L"fits.png");
    SaveBitmapToFile(*BitmapFromPixels(PhotoLikePixels(64, 32, 1)), source);
    const std::wstring destination = Path(L"copy.jpg");
    WriteFileBytes(destination, {1, 2, 3}); // replaced
    EXPECT_EQ(ShrinkImageFile(source, destination, 64 * 32), 0);
    EXPECT_EQ(ReadFileBytes(destination), ReadFileBytes(source));
}

TEST_F(ShrinkFile, ALargerImageIsResampledToTheTargetSize) {
    const std::wstring source = Path(L"big.png");
    SaveBitmapToFile(*BitmapFromPixels(PhotoLikePixels(400, 300, 2)), source);
    const std::wstring destination = Path(L"small.jpg");
    ASSERT_EQ(ShrinkImageFile(source, destination, 10240), 1);
    BitmapPtr result = LoadBitmapFile(destination);
    ASSERT_TRUE(IsUsableBitmap(result.get()));
    EXPECT_EQ(result->GetWidth(), 116u); // height trunc(sqrt(7680)) = 87, width 400 x 87 / 300
    EXPECT_EQ(result->GetHeight(), 87u);
    // The result is a JPEG whatever the source's format was.
    const std::vector<std::uint8_t> bytes = ReadFileBytes(destination);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
}

TEST_F(ShrinkFile, FailuresReturnMinusOneAndLeaveTheSourceAlone) {
    const std::wstring source = Path(L"photo.png");
    SaveBitmapToFile(*BitmapFromPixels(PhotoLikePixels(50, 40, 3)), source);
    const std::vector<std::uint8_t> before = ReadFileBytes(source);
    const std::wstring garbage = Path(L"garbage.jpg");
    WriteFileBytes(garbage, std::vector<std::uint8_t>(500, 0x5A));
    struct Case {
        std::wstring source, destination;
        std::uint32_t budget;
    };
    const Case cases[] = {
        {source, Path(L"zero.jpg"), 0},
        {Path(L"missing.jpg"), Path(L"out1.jpg"), 100},
        {garbage, Path(L"out2.jpg"), 100},
        {source, Path(L"out3.jpe"), 100}, // no encoder for the extension
        {source, Path(L"no\\such\\folder.jpg"), 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kvtest::Utf8(c.source + L" -> " + c.destination));
        EXPECT_EQ(ShrinkImageFile(c.source, c.destination, c.budget), -1);
    }
    EXPECT_FALSE(FileExists(Path(L"zero.jpg")));
    EXPECT_EQ(ReadFileBytes(source), before);
}

TEST_F(ShrinkFile, TheResultKeepsTheOrientationItem) {
    const std::wstring source = Path(L"rotated.jpg");
    SaveJpegWithOrientation(PhotoLikePixels(320, 240, 4), source, 6);
    ASSERT_EQ(JpegOrientation(ReadFileBytes(source)), 6);
    const std::wstring destination = Path(L"rotated-small.jpg");
    ASSERT_EQ(ShrinkImageFile(source, destination, 9000), 1);
    EXPECT_EQ(JpegOrientation(ReadFileBytes(destination)), 6);
    BitmapPtr result = LoadBitmapFile(destination);
    EXPECT_EQ(result->GetWidth(), 109u); // the pixels are not turned
    EXPECT_EQ(result->GetHeight(), 82u);
}

TEST(ShrinkBitmap, RedrawsOnlyWhenAskedOrTooLarge) {
    BitmapPtr photo = BitmapFromPixels(PhotoLikePixels(30, 20, 5));
    struct Case {
        std::uint32_t budget;
        bool force;
        bool redrawn;
        std::uint32_t width, height;
    };
    const Case cases[] = {
        {0, true, false, 0, 0},       // no budget: nothing to do
        {600, false, false, 0, 0},    // fits
        {100000, false, false, 0, 0}, // fits
        {600, true, true, 30, 20},    // force at the same size
        {2400, true, true, 60, 40},   // force enlarges
        {150, false, true, 15, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.budget << (c.force ? " forced" : ""));
        BitmapPtr result = ShrinkBitmap(*photo, c.budget, c.force);
        ASSERT_EQ(result != nullptr, c.redrawn);
        if (!result) continue;
        EXPECT_EQ(result->GetWidth(), c.width);
        EXPECT_EQ(result->GetHeight(), c.height);
        EXPECT_EQ(result->GetPixelFormat(), PixelFormat32bppARGB);
    }
    EXPECT_EQ(photo->GetWidth(), 30u);
}

TEST(ShrinkBitmap, TenByTenForcedToFourHundredPixelsIsTwentyByTwenty) {
    Pixels pixels = PhotoLikePixels(10, 10, 6);
    for (std::size_t i = 0; i < pixels.bytes.size(); i += 4) { // one flat colour
        pixels.bytes[i] = 10;
        pixels.bytes[i + 1] = 100;
        pixels.bytes[i + 2] = 200;
    }
    BitmapPtr photo = BitmapFromPixels(pixels);
    BitmapPtr result = ShrinkBitmap(*photo, 400, true);
    ASSERT_TRUE(result);
    ASSERT_EQ(result->GetWidth(), 20u);
    ASSERT_EQ(result->GetHeight(), 20u);
    const Pixels out = PixelsOf(*result);
    for (std::size_t i = 0; i < out.bytes.size(); i += 4) {
        ASSERT_EQ(out.bytes[i], 10);
        ASSERT_EQ(out.bytes[i + 1], 100);
        ASSERT_EQ(out.bytes[i + 2], 200);
        ASSERT_EQ(out.bytes[i + 3], 255);
    }
}

TEST(ShrinkBitmap, AnUnusableBitmapGivesAnUnusableResult) {
    BitmapPtr empty = EmptyBitmap();
    BitmapPtr result = ShrinkBitmap(*empty, 100, true);
    ASSERT_TRUE(result);
    EXPECT_FALSE(IsUsableBitmap(result.get()));
}

} // namespace
