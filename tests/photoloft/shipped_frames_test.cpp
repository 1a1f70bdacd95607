// The frames, layouts and lists installed beside the library.
#include <gtest/gtest.h>

#include <algorithm>

#include "automation.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "compose/frame_render.h"
#include "compose/rect_expression.h"
#include "frame_files.h"
#include "imaging/bitmap_file.h"
#include "imaging/image_encoder.h"
#include "imaging/resample_bitmap.h"
#include "photoloft/frame_catalog.h"
#include "photoloft/list_label.h"
#include "sample_photos.h"

using frametest::PixelAt;

namespace {

FrameFolders ShippedFolders() {
    const std::wstring runtime = kvtest::RuntimeDir() + L"\\";
    return {L"", runtime + L"photoframes", runtime + L"data/genericphotomasks.xml",
            runtime + L"data\\RotatablePhotoFrames.txt"};
}

class ShippedFrames : public testing::Test {
  protected:
    void SetUp() override {
        const FrameFolders folders = ShippedFolders();
        catalog_ =
            std::make_unique<CFrameCatalog>(folders, ReadRotatableList(folders.rotatableList, L""));
        catalog_->LoadFrameCatalog();
        ASSERT_GE(catalog_->Frames().size(), 8u);
    }
    std::wstring TitleOf(const std::wstring& path) const { return FileNameOf(path, true); }
    std::unique_ptr<CFrameCatalog> catalog_;
};

bool Overlap(const WindowRect& a, const WindowRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Every window lies inside the frame, has a size, and overlaps no other.
void ExpectTidyWindows(const FrameMask& mask, int width, int height) {
    SCOPED_TRACE(kvtest::Utf8(mask.name));
    std::vector<WindowRect> rects;
    for (const WindowRecord& window : mask.windows) {
        const WindowRect r = EvaluateWindowRect(window.rect, width, height, 0, false);
        EXPECT_GE(r.left, 0) << kvtest::Utf8(window.rect);
        EXPECT_GE(r.top, 0) << kvtest::Utf8(window.rect);
        EXPECT_LE(r.right, width) << kvtest::Utf8(window.rect);
        EXPECT_LE(r.bottom, height) << kvtest::Utf8(window.rect);
        EXPECT_GT(r.right - r.left, width / 20) << kvtest::Utf8(window.rect);
        EXPECT_GT(r.bottom - r.top, height / 20) << kvtest::Utf8(window.rect);
        for (const WindowRect& other : rects)
            EXPECT_FALSE(Overlap(r, other)) << kvtest::Utf8(window.rect);
        rects.push_back(r);
    }
}

TEST_F(ShippedFrames, EveryFrameLoadsAtAUsableSize) {
    int precut = 0, layout = 0;
    for (const std::wstring& path : catalog_->Frames()) {
        const std::wstring title = TitleOf(path);
        SCOPED_TRACE(kvtest::Utf8(title));
        BitmapPtr frame = catalog_->LoadCatalogFrame(title);
        ASSERT_TRUE(IsUsableBitmap(frame.get()));
        const int width = int(frame->GetWidth()), height = int(frame->GetHeight());
        EXPECT_GE(std::max(width, height), 1600);
        EXPECT_LE(std::max(width, height), 2400);
        EXPECT_GE(std::min(width, height), 1000);
        (catalog_->IsPrecutFrame(title) ? precut : layout)++;
    }
    EXPECT_GE(precut, 4);
    EXPECT_GE(layout, 4);
}

// A precut frame is transparent inside its windows and opaque just outside them.
TEST_F(ShippedFrames, PrecutWindowsMatchTheirTransparentAreas) {
    std::vector<size_t> counts;
    for (const std::wstring& path : catalog_->Frames()) {
        const std::wstring title = TitleOf(path);
        if (!catalog_->IsPrecutFrame(title)) continue;
        SCOPED_TRACE(kvtest::Utf8(title));
        BitmapPtr frame = catalog_->LoadCatalogFrame(title);
        ASSERT_TRUE(IsUsableBitmap(frame.get()));
        const int width = int(frame->GetWidth()), height = int(frame->GetHeight());
        const FrameMask* mask = catalog_->FindFrameMask(title, L"");
        ASSERT_NE(mask, nullptr);
        ExpectTidyWindows(*mask, width, height);
        counts.push_back(mask->windows.size());
        for (const WindowRecord& window : mask->windows) {
            const WindowRect r = EvaluateWindowRect(window.rect, width, height, 0, false);
            const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
            const int dx = (r.right - r.left) * 3 / 100, dy = (r.bottom - r.top) * 3 / 100;
            EXPECT_LT(PixelAt(*frame, cx, cy) >> 24, 8u);
            const struct {
                int x, y;
            } inside[] = {{r.left + dx, cy},
                          {r.right - dx, cy},
                          {cx, r.top + dy},
                          {cx, r.bottom - dy}},
              outside[] = {
                  {r.left - dx, cy}, {r.right + dx, cy}, {cx, r.top - dy}, {cx, r.bottom + dy}};
            for (const auto& p : inside)
                EXPECT_LT(PixelAt(*frame, p.x, p.y) >> 24, 128u) << p.x << "," << p.y;
            for (const auto& p : outside)
                EXPECT_GT(PixelAt(*frame, p.x, p.y) >> 24, 240u) << p.x << "," << p.y;
        }
    }
    std::sort(counts.begin(), counts.end());
    EXPECT_EQ(counts, (std::vector<size_t>{1, 1, 2, 3})); // one of them a JPEG with its mask
}

TEST_F(ShippedFrames, LayoutsFitEveryLayoutFrameForOneToNinePhotos) {
    ASSERT_FALSE(catalog_->GenericLayouts().empty());
    for (const std::wstring& path : catalog_->Frames()) {
        const std::wstring title = TitleOf(path);
        if (catalog_->IsPrecutFrame(title)) continue;
        SCOPED_TRACE(kvtest::Utf8(title));
        BitmapPtr frame = catalog_->LoadCatalogFrame(title);
        ASSERT_TRUE(IsUsableBitmap(frame.get()));
        const int width = int(frame->GetWidth()), height = int(frame->GetHeight());
        for (const auto& [key, layout] : catalog_->GenericLayouts())
            ExpectTidyWindows(layout, width, height);
        if (const FrameMask* own = catalog_->FindFrameMask(title, L""))
            ExpectTidyWindows(*own, width, height);
        for (int photos = 1; photos <= 9; ++photos)
            EXPECT_FALSE(catalog_->ListLayouts(title, photos, true).empty()) << photos;
    }
    for (int photos = 1; photos <= 9; ++photos)
        EXPECT_TRUE(catalog_->HasMatchingFrame(photos)) << photos;
}

TEST_F(ShippedFrames, RotatableListNamesShippedFrames) {
    std::wstring text;
    ASSERT_GT(ReadTextFile(ShippedFolders().rotatableList, text), 0);
    int named = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        const std::wstring title = text.substr(start, end - start);
        start = end + 1;
        if (title.empty()) continue;
        ++named;
        EXPECT_FALSE(catalog_->FindFrameImagePath(title).empty()) << kvtest::Utf8(title);
        EXPECT_TRUE(catalog_->IsRotatableFrame(title)) << kvtest::Utf8(title);
    }
    EXPECT_GT(named, 0);
}

// How each shipped frame is shown on the contact sheet.
struct Showcase {
    const wchar_t* title;
    const wchar_t* layout; // empty: the frame's own windows
    const wchar_t* kind;
    int seed;
};

const Showcase kShowcase[] = {
    {L"Classic Gold", L"", L"Precut", 0},
    {L"Walnut Duo", L"", L"Precut", 0},
    {L"Film Strip", L"", L"Precut", 0},
    {L"Vignette Oval", L"", L"Precut", 0},
    {L"Oak Board", L"", L"Rounded rectangle", 0},
    {L"Linen", L"Grid of four", L"Photo paper", 5},
    {L"Slate", L"Two over three", L"Rectangle", 0},
    {L"Kraft Paper", L"One large, two small", L"Photo paper", 11},
    {L"Linen", L"Single with wide border", L"Ellipse", 0},
};

// Renders every shipped frame with sample photos, checks that the photos show through the
// windows, and lays the pictures out on a contact sheet for people to look at.
TEST_F(ShippedFrames, RenderWithPhotosOnAContactSheet) {
    const int cell = 560, gap = 40, columns = 3;
    const int rows = int((std::size(kShowcase) + columns - 1) / columns);
    BitmapPtr sheet = CreateArgbBitmap(columns * (cell + gap) + gap, rows * (cell + gap) + gap);
    ASSERT_TRUE(IsUsableBitmap(sheet.get()));
    Gdiplus::Graphics page(sheet.get());
    page.Clear(Gdiplus::Color(255, 236, 233, 228));
    const std::wstring folder = kvtest::OutDir() + L"\\gallery\\frames";
    CreateDirectoryW((kvtest::OutDir() + L"\\gallery").c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);

    int scene = 0;
    for (size_t i = 0; i < std::size(kShowcase); ++i) {
        const Showcase& show = kShowcase[i];
        SCOPED_TRACE(kvtest::Utf8(show.title));
        BitmapPtr frame = catalog_->LoadCatalogFrame(show.title);
        ASSERT_TRUE(IsUsableBitmap(frame.get()));
        const FrameMask* mask = catalog_->FindFrameMask(show.title, show.layout);
        ASSERT_NE(mask, nullptr);
        const int width = int(frame->GetWidth()), height = int(frame->GetHeight());
        std::vector<BitmapPtr> photos;
        std::vector<Gdiplus::Bitmap*> borrowed;
        for (const WindowRecord& window : mask->windows) {
            const WindowRect r = EvaluateWindowRect(window.rect, width, height, 0, false);
            const bool portrait = r.bottom - r.top > r.right - r.left;
            photos.push_back(
                frametest::SamplePhoto(scene++, portrait ? 800 : 1200, portrait ? 1200 : 800));
            borrowed.push_back(photos.back().get());
        }
        RenderRequest request;
        request.frame = frame.get();
        request.photos = borrowed;
        request.frameKind = show.kind;
        request.windows = &mask->windows;
        request.seed = show.seed;
        BitmapPtr picture = RenderFrame(request);
        ASSERT_TRUE(IsUsableBitmap(picture.get()));
        if (std::wstring(show.kind) == L"Precut") {
            // The middle of each window shows the middle of its photo.
            for (size_t w = 0; w < mask->windows.size(); ++w) {
                const WindowRect r =
                    EvaluateWindowRect(mask->windows[w].rect, width, height, 0, false);
                const unsigned shown =
                    PixelAt(*picture, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
                const unsigned photo = PixelAt(*photos[w], int(photos[w]->GetWidth()) / 2,
                                               int(photos[w]->GetHeight()) / 2);
                for (int shift : {0, 8, 16})
                    EXPECT_NEAR(int((shown >> shift) & 255), int((photo >> shift) & 255), 24) << w;
            }
        }
        // Into its cell, scaled by the toolkit's resampler.
        const double scale = std::min(double(cell) / width, double(cell) / height);
        const int w = int(width * scale), h = int(height * scale);
        BitmapPtr small = ResampleBitmap(*picture, w, h);
        ASSERT_TRUE(IsUsableBitmap(small.get()));
        const int x = gap + int(i % columns) * (cell + gap) + (cell - w) / 2;
        const int y = gap + int(i / columns) * (cell + gap) + (cell - h) / 2;
        Gdiplus::SolidBrush shadow{Gdiplus::Color(60, 0, 0, 0)};
        page.FillRectangle(&shadow, x + 6, y + 8, w, h);
        page.DrawImage(small.get(), x, y, w, h);
    }
    EXPECT_TRUE(SaveBitmapToFile(*sheet, folder + L"\\contact-sheet.png"));
}

} // namespace
