// Tiling, signature stamp, crop and shading, checked with pixel probes.
#include "compose/photo_tiling.h"
#include "compose/signature_stamp.h"
#include "imaging/bitmap_file.h"
#include "test_bitmaps.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kvtest;

namespace {

constexpr std::uint32_t kWhite = 0xffffffff;
const std::uint32_t kColours[] = {0xffff0000, 0xff00ff00, 0xff0000ff, 0xffffff00};

// Each pixel tells its own coordinates.
BitmapPtr CoordinatePhoto(int width, int height) {
    return MakeBitmap(width, height, [](int x, int y) {
        return 0xff000000u | std::uint32_t((x & 255) << 16) | std::uint32_t((y & 255) << 8) |
               std::uint32_t(((x >> 8) & 15) | (((y >> 8) & 15) << 4));
    });
}

TEST(TilePhotos, GridCellsHoldTheirPhotos) {
    std::vector<BitmapPtr> owned;
    for (int i = 0; i < 4; ++i)
        owned.push_back(MakeSolid(1000, 750, kColours[i]));
    std::vector<Gdiplus::Bitmap*> photos = {owned[0].get(), owned[1].get(), owned[2].get(),
                                            owned[3].get()};
    BitmapPtr grid = TilePhotos(photos, 2, 2);
    ASSERT_TRUE(IsUsableBitmap(grid.get()));
    EXPECT_EQ(grid->GetWidth(), 2060u);
    EXPECT_EQ(grid->GetHeight(), 1560u);
    const int lefts[] = {20, 1040, 20, 1040}, tops[] = {20, 20, 790, 790};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(PixelAt(*grid, lefts[i], tops[i]), kColours[i]) << i;
        EXPECT_EQ(PixelAt(*grid, lefts[i] + 999, tops[i] + 749), kColours[i]) << i;
        EXPECT_EQ(PixelAt(*grid, lefts[i] - 1, tops[i]), kWhite) << i;
        EXPECT_EQ(PixelAt(*grid, lefts[i], tops[i] + 750), kWhite) << i;
    }

    // Three photos: the fourth cell stays white; a portrait photo is fitted into its cell.
    BitmapPtr portrait = MakeSolid(750, 1000, kColours[1]);
    photos = {owned[0].get(), portrait.get(), owned[2].get()};
    grid = TilePhotos(photos, 2, 2);
    EXPECT_EQ(PixelAt(*grid, 1540, 1165), kWhite);
    EXPECT_EQ(PixelAt(*grid, 1040 + 219, 400), kColours[1]);
    EXPECT_EQ(PixelAt(*grid, 1040 + 219 + 561, 400), kColours[1]);
    EXPECT_EQ(PixelAt(*grid, 1040 + 218, 400), kWhite);
    EXPECT_EQ(PixelAt(*grid, 1040 + 219 + 562, 400), kWhite);
}

TEST(TilePhotos, OneColumnKeepsTheFirstWidth) {
    BitmapPtr wide = MakeSolid(1000, 500, kColours[0]), square = MakeSolid(500, 500, kColours[2]);
    const std::vector<Gdiplus::Bitmap*> photos = {wide.get(), square.get()};
    BitmapPtr column = TilePhotos(photos, 2, 1);
    ASSERT_TRUE(IsUsableBitmap(column.get()));
    EXPECT_EQ(column->GetWidth(), 1040u);
    EXPECT_EQ(column->GetHeight(), 1560u);
    EXPECT_EQ(PixelAt(*column, 20, 540), kColours[2]);
    EXPECT_EQ(PixelAt(*column, 1019, 1539), kColours[2]);
    EXPECT_EQ(PixelAt(*column, 20, 539), kWhite);
    EXPECT_EQ(PixelAt(*column, 20, 519), kColours[0]);

    EXPECT_EQ(TilePhotos({}, 1, 1), nullptr);
    EXPECT_EQ(TilePhotos(photos, 0, 1), nullptr);
}

TEST(StampSignature, FiftiethOfTheAreaInTheBottomRightCorner) {
    BitmapPtr image = MakeSolid(1000, 800, kWhite);
    BitmapPtr signature = MakeSolid(200, 100, 0xff000000);
    RelativeRect rect; // width -1: the whole image
    ASSERT_TRUE(StampSignature(*image, *signature, rect));
    EXPECT_EQ(rect.x, 0.0f);
    EXPECT_EQ(rect.width, 1000.0f);
    EXPECT_EQ(rect.height, 800.0f);
    // About 178.9 x 89.4 at 811.1, 702.6: whole pixels inside are black, outside white.
    for (auto [x, y] : {std::pair{812, 703}, {989, 703}, {812, 791}, {989, 791}, {900, 750}})
        EXPECT_LT(Red(PixelAt(*image, x, y)), 40) << x << "," << y;
    for (auto [x, y] : {std::pair{810, 750}, {990, 750}, {900, 701}, {900, 792}})
        EXPECT_GT(Red(PixelAt(*image, x, y)), 215) << x << "," << y;

    // A rectangle in widths is converted to pixels in place.
    RelativeRect half{0.5f, 0.0f, 0.5f, 0.4f};
    BitmapPtr second = MakeSolid(1000, 800, kWhite);
    ASSERT_TRUE(StampSignature(*second, *signature, half));
    EXPECT_EQ(half.x, 500.0f);
    EXPECT_EQ(half.height, 400.0f);
    EXPECT_LT(Red(PixelAt(*second, 980, 390)), 40);
    EXPECT_EQ(PixelAt(*second, 980, 410), kWhite);
}

TEST(CropBitmap, HeightIsMeasuredInWidths) {
    BitmapPtr image = CoordinatePhoto(1200, 800);
    BitmapPtr crop = CropBitmap(*image, {0.25f, 0.1f, 0.5f, 0.5f});
    ASSERT_TRUE(IsUsableBitmap(crop.get()));
    EXPECT_EQ(crop->GetWidth(), 600u);
    EXPECT_EQ(crop->GetHeight(), 600u);
    EXPECT_EQ(PixelAt(*crop, 0, 0), PixelAt(*image, 300, 120));
    EXPECT_EQ(PixelAt(*crop, 599, 599), PixelAt(*image, 899, 719));
    EXPECT_EQ(PixelAt(*crop, 123, 456), PixelAt(*image, 423, 576));
    EXPECT_EQ(CropBitmap(*image, {0, 0, -1, 0.5f}), nullptr);
}

TEST(ShadeOutside, DarkensOnlyOutsideTheRectangle) {
    BitmapPtr image = CoordinatePhoto(300, 200);
    BitmapPtr original = CoordinatePhoto(300, 200);
    const float height = 200.0f / 300.0f;
    for (RelativeRect rect : {RelativeRect{0, 0, 1, height}, RelativeRect{0, 0, -1, -1}}) {
        ASSERT_TRUE(ShadeOutside(*image, rect));
        bool unchanged = true;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x)
                unchanged = unchanged && PixelAt(*image, x, y) == PixelAt(*original, x, y);
        EXPECT_TRUE(unchanged) << rect.width;
    }

    BitmapPtr white = MakeSolid(300, 200, kWhite);
    ASSERT_TRUE(ShadeOutside(*white, {0.1f, 0.1f, 0.5f, 0.3f})); // pixels 30,30 .. 179,119
    EXPECT_EQ(PixelAt(*white, 100, 100), kWhite);
    EXPECT_TRUE(Near(PixelAt(*white, 10, 100), 0xff9b9b9b, 1)); // 255 x 155 / 255
    EXPECT_TRUE(Near(PixelAt(*white, 180, 100), 0xff9b9b9b, 1));
    EXPECT_EQ(PixelAt(*white, 179, 119), kWhite);
}

} // namespace
