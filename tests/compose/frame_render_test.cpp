// Rendering photos into frames, checked with pixel probes.
#include "compose/frame_image.h"
#include "compose/frame_render.h"
#include "compose/photo_paper.h"
#include "imaging/bitmap_file.h"
#include "imaging/image_encoder.h"
#include "test_bitmaps.h"

#include <gtest/gtest.h>

#include <vector>

#include "automation.h"

using namespace kvtest;

namespace {

constexpr std::uint32_t kWhite = 0xffffffff;
constexpr std::uint32_t kRed = 0xffff0000;
constexpr std::uint32_t kGreen = 0xff00ff00;
constexpr std::uint32_t kBlue = 0xff0000ff;
constexpr std::uint32_t kGray = 0xff404040;

// A photo whose red channel tells the source column: red = x / 4.
BitmapPtr ColumnPhoto(int width, int height) {
    return MakeBitmap(width, height, [](int x, int) { return 0xff000000u | ((x / 4) << 16); });
}

// The source column a probed pixel of a ColumnPhoto came from, to about four columns.
int SourceColumn(std::uint32_t pixel) {
    return Red(pixel) * 4;
}

BitmapPtr Render(Gdiplus::Bitmap& frame, std::vector<Gdiplus::Bitmap*> photos, const wchar_t* kind,
                 const std::vector<WindowRecord>* windows = nullptr, std::int32_t seed = 0,
                 bool transposed = false, const Adjustment* adjustment = nullptr) {
    RenderRequest request;
    request.frame = &frame;
    request.photos = std::move(photos);
    request.frameKind = kind;
    request.windows = windows;
    request.seed = seed;
    request.transposed = transposed;
    request.adjustment = adjustment;
    return RenderFrame(request);
}

std::vector<WindowRecord> Windows(std::initializer_list<const wchar_t*> rects) {
    std::vector<WindowRecord> windows;
    for (const wchar_t* rect : rects)
        windows.push_back({0, rect, 0});
    return windows;
}

TEST(RenderFrame, MissingFrameGivesNothing) {
    BitmapPtr photo = MakeSolid(10, 10, kRed);
    RenderRequest request;
    request.photos = {photo.get()};
    EXPECT_EQ(RenderFrame(request), nullptr);
    BitmapPtr empty = EmptyBitmap();
    request.frame = empty.get();
    EXPECT_EQ(RenderFrame(request), nullptr);
}

TEST(RenderFrame, WithoutWindowsOnePhotoCoversTheFrame) {
    // 400 x 200 is 1000 x 500 frame units exactly, so "0,0,w,h" loses no row to truncation.
    BitmapPtr frame = CreateArgbBitmap(400, 200); // transparent all over
    BitmapPtr photo = MakeSolid(900, 300, kRed);
    BitmapPtr out = Render(*frame, {photo.get()}, L"Precut");
    ASSERT_TRUE(IsUsableBitmap(out.get()));
    EXPECT_EQ(out->GetWidth(), 400u);
    EXPECT_EQ(out->GetHeight(), 200u);
    EXPECT_EQ(out->GetPixelFormat(), PixelFormat32bppARGB);
    for (auto [x, y] : {std::pair{0, 0}, {399, 0}, {0, 199}, {399, 199}, {200, 100}})
        EXPECT_TRUE(Near(PixelAt(*out, x, y), kRed)) << x << "," << y;
}

TEST(RenderFrame, WindowsWithoutPhotosStayWhite) {
    BitmapPtr frame = CreateArgbBitmap(1000, 300);
    BitmapPtr red = MakeSolid(200, 300, kRed), green = MakeSolid(200, 300, kGreen);
    BitmapPtr blue = MakeSolid(200, 300, kBlue);
    const auto windows = Windows({L"0,0,333,h", L"333,0,333,h", L"666,0,334,h"});
    BitmapPtr out = Render(*frame, {red.get(), green.get()}, L"precut", &windows);
    EXPECT_TRUE(Near(PixelAt(*out, 160, 150), kRed));
    EXPECT_TRUE(Near(PixelAt(*out, 500, 150), kGreen));
    EXPECT_EQ(PixelAt(*out, 830, 150), kWhite);

    // A null photo leaves its window empty; photos beyond the windows are ignored.
    const auto two = Windows({L"0,0,500,h", L"500,0,500,h"});
    out = Render(*frame, {nullptr, green.get(), blue.get()}, L"precut", &two);
    EXPECT_EQ(PixelAt(*out, 250, 150), kWhite);
    EXPECT_TRUE(Near(PixelAt(*out, 750, 150), kGreen));
}

TEST(RenderFrame, CoverCropOffsetPicksTheSourceColumns) {
    BitmapPtr frame = CreateArgbBitmap(400, 400);
    BitmapPtr photo = ColumnPhoto(1000, 500);
    struct Case {
        int offset, firstColumn, lastColumn;
    };
    for (const Case& c : {Case{0, 250, 749}, Case{-50, 0, 499}, Case{50, 500, 999}}) {
        std::vector<WindowRecord> windows = {{c.offset, L"0,0,w,h", 0}};
        BitmapPtr out = Render(*frame, {photo.get()}, L"precut", &windows);
        EXPECT_NEAR(SourceColumn(PixelAt(*out, 0, 200)), c.firstColumn, 6) << c.offset;
        EXPECT_NEAR(SourceColumn(PixelAt(*out, 399, 200)), c.lastColumn, 6) << c.offset;
        EXPECT_NEAR(SourceColumn(PixelAt(*out, 200, 200)), (c.firstColumn + c.lastColumn) / 2, 6);
    }
}

TEST(RenderFrame, ShapedWindowsHaveTheirCornersAndSoftEdges) {
    BitmapPtr frame = MakeSolid(1000, 1000, kBlue);
    BitmapPtr photo = MakeSolid(800, 800, kRed);
    // The window is inset by 10 pixels: the hole runs from 110 to 890.
    const auto windows = Windows({L"100,100,800,800"});
    struct Case {
        const wchar_t* kind;
        bool cornerShowsPhoto; // 10 pixels in from the hole's corner
    };
    for (const Case& c :
         {Case{L"Rectangle", true}, Case{L"Rounded rectangle", false}, Case{L"ellipse", false}}) {
        BitmapPtr out = Render(*frame, {photo.get()}, c.kind, &windows);
        SaveForLooking(*out, std::wstring(L"shaped-") + c.kind);
        EXPECT_TRUE(Near(PixelAt(*out, 500, 500), kRed)) << c.kind;
        EXPECT_TRUE(Near(PixelAt(*out, 500, 130), kRed, 8)) << c.kind;
        EXPECT_TRUE(Near(PixelAt(*out, 50, 50), kBlue)) << c.kind;
        EXPECT_TRUE(Near(PixelAt(*out, 120, 120), c.cornerShowsPhoto ? kRed : kBlue, 30)) << c.kind;
        // The edge itself is a blend of frame and photo.
        const std::uint32_t edge = PixelAt(*out, 110, 500);
        EXPECT_GT(Red(edge), 40) << c.kind;
        EXPECT_GT(Blue(edge), 40) << c.kind;
    }
}

TEST(RenderFrame, TransposedLayoutUsesTheTurnedFrame) {
    // A 600 x 900 image of a 900 x 600 layout: w/2 wide and h high at 0,0 is its top half.
    BitmapPtr frame = CreateArgbBitmap(600, 900);
    BitmapPtr photo = MakeSolid(100, 100, kRed);
    const auto windows = Windows({L"0,0,w/2,h"});
    BitmapPtr out = Render(*frame, {photo.get()}, L"precut", &windows, 0, true);
    EXPECT_TRUE(Near(PixelAt(*out, 0, 0), kRed));
    EXPECT_TRUE(Near(PixelAt(*out, 598, 449), kRed));
    EXPECT_EQ(PixelAt(*out, 599, 200), kWhite);
    EXPECT_EQ(PixelAt(*out, 300, 450), kWhite);
}

TEST(RenderFrame, PhotoPaperTiltsFollowTheSeed) {
    BitmapPtr frame = MakeSolid(1000, 600, kGray);
    BitmapPtr red = MakeSolid(400, 300, kRed), green = MakeSolid(400, 300, kGreen);
    const auto windows = Windows({L"50,50,400,400", L"550,50,400,400"});
    const std::vector<Gdiplus::Bitmap*> photos = {red.get(), green.get()};

    // Seed 0 and upright windows: the cards' corners sit exactly at the inset windows.
    BitmapPtr upright = Render(*frame, photos, L"Photo paper", &windows);
    SaveForLooking(*upright, L"photo-paper-upright");
    // Window 1 is 60,60 .. 440,440 after the inset of 10; its card's white border reaches to
    // 430, the shadow beyond.
    for (auto [x, y] : {std::pair{64, 64}, {425, 64}, {64, 425}, {560 + 4, 64}})
        EXPECT_TRUE(Near(PixelAt(*upright, x, y), kWhite, 30)) << x << "," << y;
    for (auto [x, y] : {std::pair{56, 64}, {64, 56}, {545, 64}})
        EXPECT_TRUE(Near(PixelAt(*upright, x, y), kGray, 10)) << x << "," << y;
    EXPECT_TRUE(Near(PixelAt(*upright, 250, 250), kRed));
    EXPECT_TRUE(Near(PixelAt(*upright, 750, 250), kGreen));

    BitmapPtr first = Render(*frame, photos, L"photo paper", &windows, 77);
    BitmapPtr second = Render(*frame, photos, L"photo paper", &windows, 77);
    SaveForLooking(*first, L"photo-paper-seed-77");
    bool same = true, tilted = false;
    for (int y = 0; y < 600; y += 3)
        for (int x = 0; x < 1000; x += 3) {
            same = same && PixelAt(*first, x, y) == PixelAt(*second, x, y);
            tilted = tilted || PixelAt(*first, x, y) != PixelAt(*upright, x, y);
        }
    EXPECT_TRUE(same);
    EXPECT_TRUE(tilted);
}

TEST(RenderFrame, AdjustmentChangesTheCopyNotThePhoto) {
    BitmapPtr frame = CreateArgbBitmap(200, 200);
    BitmapPtr photo = MakeSolid(400, 300, kRed);
    Adjustment gray = NewAdjustment();
    gray.name = L"Black & white";
    BitmapPtr out = Render(*frame, {photo.get()}, L"precut", nullptr, 0, false, &gray);
    EXPECT_TRUE(Near(PixelAt(*out, 100, 100), 0xff4c4c4c)); // 0.3 x 255 = 76
    EXPECT_EQ(PixelAt(*photo, 100, 100), kRed);
}

TEST(RenderFrame, LargePhotosAreScaledWithAPrefilter) {
    // One-pixel stripes average to gray when scaled down properly; point sampling would keep
    // black or white.
    BitmapPtr frame = CreateArgbBitmap(100, 75);
    BitmapPtr photo =
        MakeBitmap(4000, 3000, [](int x, int) { return x % 2 ? 0xffffffffu : 0xff000000u; });
    BitmapPtr out = Render(*frame, {photo.get()}, L"precut");
    for (int x : {10, 33, 50, 71, 90})
        EXPECT_NEAR(Red(PixelAt(*out, x, 40)), 128, 12) << x;
}

TEST(RenderFrame, WindowsBeyondTheFrameAreClipped) {
    BitmapPtr frame = CreateArgbBitmap(1000, 500);
    BitmapPtr partly = ColumnPhoto(1000, 500), outside = MakeSolid(100, 100, kGreen);
    BitmapPtr inside = MakeSolid(100, 100, kBlue), huge = MakeSolid(100, 100, kRed);
    // Half out on the left, wholly out on the right, an ordinary one, and one of absurd size
    // that reaches into the frame's bottom-right corner only.
    const auto windows = Windows(
        {L"-500,0,1000,h", L"2000,0,500,h", L"500,0,250,h", L"950,450,100000000,100000000"});
    BitmapPtr out = Render(*frame, {partly.get(), outside.get(), inside.get(), huge.get()},
                           L"precut", &windows);
    ASSERT_TRUE(IsUsableBitmap(out.get()));
    // The visible half shows the right half of the photo, as if drawn whole and cut.
    EXPECT_NEAR(SourceColumn(PixelAt(*out, 10, 250)), 510, 6);
    EXPECT_NEAR(SourceColumn(PixelAt(*out, 490, 250)), 990, 6);
    EXPECT_TRUE(Near(PixelAt(*out, 600, 250), kBlue));
    EXPECT_EQ(PixelAt(*out, 800, 250), kWhite);
    EXPECT_TRUE(Near(PixelAt(*out, 990, 490), kRed));
}

TEST(PhotoPaper, CardHasBorderHoleOutlineAndShadow) {
    // 300 x 200: border e = 6, shadow g = 4, hole 284 x 184 at 6,6.
    BitmapPtr card = MakePhotoPaper(300, 200, nullptr);
    ASSERT_TRUE(IsUsableBitmap(card.get()));
    SaveForLooking(*card, L"card");
    EXPECT_EQ(Alpha(PixelAt(*card, 150, 100)), 0);            // the hole
    EXPECT_EQ(PixelAt(*card, 4, 100), kWhite);                // the border
    EXPECT_TRUE(Near(PixelAt(*card, 1, 100), 0xffd3d3d3, 2)); // the gray outline
    const std::uint32_t shadow = PixelAt(*card, 298, 100);    // right of the card
    EXPECT_GT(Alpha(shadow), 20);
    EXPECT_LT(Alpha(shadow), 160);
    EXPECT_EQ(Red(shadow), 50);

    BitmapPtr signature = MakeSolid(100, 50, 0xff000000);
    BitmapPtr signed_ = MakePhotoPaper(300, 200, signature.get());
    // A fiftieth of the hole, ending at 99 % of it: about 45.7 x 22.9 ending at 287.2, 188.2.
    EXPECT_TRUE(Near(PixelAt(*signed_, 270, 180), 0xff000000, 10));
    EXPECT_EQ(Alpha(PixelAt(*signed_, 230, 180)), 0);
}

TEST(FrameImage, CompanionAlphaOfAnySizeBecomesTheFramesAlpha) {
    const std::wstring dir = MakeTempDir(L"compose-frame");
    BitmapPtr frame = MakeSolid(400, 300, kBlue);
    ASSERT_TRUE(SaveBitmapToFile(*frame, dir + L"\\beach.jpg"));
    ASSERT_TRUE(SaveBitmapToFile(*frame, dir + L"\\plain.jpg"));
    // Half the size: black (a window) on the left, white (frame) on the right.
    BitmapPtr mask =
        MakeBitmap(200, 150, [](int x, int) { return x < 100 ? 0xff000000u : kWhite; });
    ASSERT_TRUE(SaveBitmapToFile(*mask, dir + L"\\beach_alpha.jpg"));

    BitmapPtr loaded = LoadFrameImage(dir + L"\\beach.jpg");
    ASSERT_TRUE(IsUsableBitmap(loaded.get()));
    EXPECT_EQ(loaded->GetWidth(), 400u);
    EXPECT_LT(Alpha(PixelAt(*loaded, 20, 150)), 10);
    EXPECT_GT(Alpha(PixelAt(*loaded, 380, 150)), 245);
    EXPECT_TRUE(Near(PixelAt(*loaded, 380, 150) | 0xff000000u, kBlue, 8));

    BitmapPtr plain = LoadFrameImage(dir + L"\\plain.jpg");
    ASSERT_TRUE(IsUsableBitmap(plain.get()));
    EXPECT_EQ(Alpha(PixelAt(*plain, 20, 150)), 255);
    EXPECT_EQ(LoadFrameImage(dir + L"\\missing.jpg"), nullptr);
}

} // namespace
