// Placement arithmetic of the composition engine: tilts, cover crops, tiles, signatures, crops.
#include "compose/crop_geometry.h"
#include "compose/stamp_geometry.h"
#include "compose/tile_layout.h"
#include "compose/tilt.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

TEST(Tilt, RandomSequenceIsTheRuntimesPerThread) {
    SeedTiltRandom(1);
    EXPECT_EQ(NextTiltRandom(), 41);
    // Another thread's seeding does not disturb this thread's sequence.
    std::thread other([] {
        SeedTiltRandom(99);
        NextTiltRandom();
    });
    other.join();
    EXPECT_EQ(NextTiltRandom(), 18467);
    EXPECT_EQ(NextTiltRandom(), 6334);
    EXPECT_EQ(NextTiltRandom(), 26500);

    SeedTiltRandom(-1); // the seed's bits are the state
    EXPECT_EQ(NextTiltRandom(), 35);
    SeedTiltRandom(1);
    EXPECT_FLOAT_EQ(NextTiltAngle(), float(41 * 30.0 / 32767.0 - 15.0));
}

TEST(Tilt, FittingShrinksTheAngleByAFifthUntilTheCornersStayInside) {
    // An 860 x 860 window in the middle of a 1000 x 1000 picture.
    EXPECT_FALSE(TurnedCornersInside(14.0f, 70, 70, 860, 860, 1000, 1000));
    EXPECT_FALSE(TurnedCornersInside(14.0f * 0.8f, 70, 70, 860, 860, 1000, 1000));
    EXPECT_TRUE(TurnedCornersInside(14.0f * 0.8f * 0.8f, 70, 70, 860, 860, 1000, 1000));
    EXPECT_FLOAT_EQ(FitTilt(14.0f, 70, 70, 860, 860, 1000, 1000), 8.96f);
    EXPECT_FLOAT_EQ(FitTilt(-14.0f, 70, 70, 860, 860, 1000, 1000), -8.96f);
    EXPECT_FLOAT_EQ(FitTilt(3.0f, 70, 70, 860, 860, 1000, 1000), 3.0f);
    // A window that can never fit ends upright; so does a one-pixel window at the edge.
    EXPECT_EQ(FitTilt(14.0f, -10, 0, 500, 500, 1000, 1000), 0.0f);
    EXPECT_TRUE(TurnedCornersInside(10.0f, 0, 0, 1, 1, 1, 1));
}

TEST(CoverCrop, OffsetMovesTheCropAcrossThePhoto) {
    struct Case {
        int pw, ph, w, h, offset;
        PixelRect expected;
    };
    const Case cases[] = {
        {1000, 500, 400, 400, 0, {250, 0, 500, 500}},
        {1000, 500, 400, 400, -50, {0, 0, 500, 500}},
        {1000, 500, 400, 400, 50, {500, 0, 500, 500}},
        {1000, 500, 400, 400, 80, {500, 0, 500, 500}}, // limited to the photo
        {500, 1000, 400, 400, -50, {0, 0, 500, 500}},
        {500, 1000, 400, 400, 50, {0, 500, 500, 500}},
        {1200, 800, 1200, 800, 30, {0, 0, 1200, 800}},
        {4000, 3000, 500, 200, 0, {0, 700, 4000, 1600}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CoverCrop(c.pw, c.ph, c.w, c.h, c.offset), c.expected)
            << c.pw << "x" << c.ph << " in " << c.w << "x" << c.h << " at " << c.offset;
}

TEST(CoverCrop, OnlyTheVisiblePartOfAnAreaIsScaled) {
    const PixelRect inside{100, 100, 400, 300};
    EXPECT_EQ(VisiblePartOfArea(inside, 0, 299.5f, 249.5f, 1000, 1000),
              (PixelRect{0, 0, 400, 300}));
    EXPECT_EQ(VisiblePartOfArea(inside, 10, 299.5f, 249.5f, 1000, 1000),
              (PixelRect{0, 0, 400, 300}));
    // Half beyond the right edge; wholly outside.
    EXPECT_EQ(VisiblePartOfArea({800, 0, 400, 300}, 0, 999.5f, 149.5f, 1000, 1000),
              (PixelRect{0, 0, 201, 300}));
    EXPECT_EQ(VisiblePartOfArea({2000, 0, 400, 300}, 0, 2199.5f, 149.5f, 1000, 1000), PixelRect{});
    // The whole area maps onto the whole crop; a part onto its share, rounded outward.
    const PixelRect crop{250, 0, 500, 500};
    EXPECT_EQ(SourceOfPart(crop, 400, 400, {0, 0, 400, 400}), crop);
    EXPECT_EQ(SourceOfPart(crop, 400, 400, {0, 0, 200, 400}), (PixelRect{250, 0, 250, 500}));
    EXPECT_EQ(SourceOfPart(crop, 400, 400, {1, 0, 1, 400}), (PixelRect{251, 0, 2, 500}));
}

TEST(TileLayout, GridAndColumnPlacements) {
    const std::vector<PhotoSize> four(4, PhotoSize{1000, 750});
    TileLayout grid = LayoutTiles(four, 2, 2);
    EXPECT_EQ(grid.canvasWidth, 2060);
    EXPECT_EQ(grid.canvasHeight, 1560);
    const PixelRect expected[] = {
        {20, 20, 1000, 750}, {1040, 20, 1000, 750}, {20, 790, 1000, 750}, {1040, 790, 1000, 750}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(grid.placements[i], expected[i]) << i;

    // A portrait photo in a landscape cell keeps its aspect, centred.
    const std::vector<PhotoSize> mixed = {{1000, 750}, {750, 1000}, {1000, 750}};
    grid = LayoutTiles(mixed, 2, 2);
    EXPECT_EQ(grid.placements[1], (PixelRect{1040 + 219, 20, 562, 750}));
    EXPECT_EQ(grid.placements.size(), 3u); // the fourth cell has no photo
    EXPECT_EQ(grid.canvasHeight, 1560);

    // One column keeps every photo at the first photo's width.
    const std::vector<PhotoSize> column = {{1000, 500}, {500, 500}};
    const TileLayout stack = LayoutTiles(column, 2, 1);
    EXPECT_EQ(stack.canvasWidth, 1040);
    EXPECT_EQ(stack.canvasHeight, 1560);
    EXPECT_EQ(stack.placements[0], (PixelRect{20, 20, 1000, 500}));
    EXPECT_EQ(stack.placements[1], (PixelRect{20, 540, 1000, 1000}));
}

TEST(TileLayout, ImpossibleRequestsGiveNoCanvas) {
    const std::vector<PhotoSize> column = {{1000, 500}, {0, 500}, {500, 500}};
    // Rows beyond the list stop at its end; an empty photo takes no height.
    const TileLayout stack = LayoutTiles(column, 9, 1);
    EXPECT_EQ(stack.canvasHeight, 20 + 520 + 20 + 1020);
    EXPECT_EQ(stack.placements[1].width, 0);
    EXPECT_EQ(stack.placements[2], (PixelRect{20, 560, 1000, 1000}));

    EXPECT_EQ(LayoutTiles({}, 1, 1).canvasWidth, 0);
    EXPECT_EQ(LayoutTiles(column, 0, 2).canvasWidth, 0);
    EXPECT_EQ(LayoutTiles(column, 2, 0).canvasWidth, 0);
    const std::vector<PhotoSize> emptyFirst = {{0, 0}, {500, 500}};
    EXPECT_EQ(LayoutTiles(emptyFirst, 1, 2).canvasWidth, 0);
    const std::vector<PhotoSize> huge = {{1000000, 1000000}};
    EXPECT_EQ(LayoutTiles(huge, 5000, 5000).canvasWidth, 0);
}

TEST(StampGeometry, SignatureCropAndShadeRectangles) {
    const PlacedImage s = PlaceSignature(0, 0, 1000, 800, 200, 100);
    EXPECT_NEAR(s.width, 178.885, 0.001);
    EXPECT_NEAR(s.height, 89.443, 0.001);
    EXPECT_NEAR(s.x, 811.115, 0.001);
    EXPECT_NEAR(s.y, 702.557, 0.001);
    EXPECT_EQ(PlaceSignature(0, 0, 1000, 800, 0, 100).width, 0.0f);

    const PlacedImage card = PlaceCardSignature(500, 400, 10, 200, 100);
    EXPECT_NEAR(card.width, 200 * 0.4472136, 0.001);
    EXPECT_NEAR(card.x + card.width, 500 * 0.99 + 10, 0.001);

    EXPECT_EQ(CropPixels(1200, {0.25f, 0.1f, 0.5f, 0.5f}), (PixelRect{300, 120, 600, 600}));
    EXPECT_EQ(PixelsInside(1000, 800, {0, 0, 1, 0.8f}), (PixelRect{0, 0, 1000, 800}));
    EXPECT_EQ(PixelsInside(1000, 800, {0.1003f, 0.1f, 0.5f, 2.0f}),
              (PixelRect{100, 100, 500, 700}));
}

} // namespace
