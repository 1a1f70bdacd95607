#include "photoloft/frame_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "automation.h"
#include "common/paths.h"
#include "frame_files.h"
#include "imaging/bitmap_file.h"
#include "photoloft/list_label.h"
#include "photoloft/rotatable_list.h"

using frametest::WriteImage;
using frametest::WriteText;
using L = std::vector<std::wstring>;

namespace {

const char kGeneric[] = "<GenericMasks>"
                        "<Layout name='Two' windows='0,0,w/2,h;w/2,0,w/2,h' />"
                        "<Layout name='Three' windows='0,0,w/3,h;w/3,0,w/3,h;w*2/3,0,w/3,h' />"
                        "</GenericMasks>";

// A user and a program frame folder with frames of every kind.
class FrameCatalog : public testing::Test {
  protected:
    void SetUp() override {
        CreateDirectoryW(user_.c_str(), nullptr);
        CreateDirectoryW(program_.c_str(), nullptr);
        CreateDirectoryW((dir_ + L"\\data").c_str(), nullptr);
        // The user's frames.
        WriteImage(User(L"Sea.jpg"), 400, 300);            // layout frame
        WriteImage(User(L"Sunset.png"), 300, 400);         // precut, no layout file
        WriteImage(User(L"Leaf.jpg"), 500, 300, 0x30A030); // precut by its mask
        WriteImage(User(L"mask.jpg"), 500, 300, 0x000000);
        MoveFileW(User(L"mask.jpg").c_str(), User(L"Leaf_Alpha.JPG").c_str());
        WriteImage(User(L"Duo.png"), 600, 300);
        WriteText(User(L"Duo.xml"), "<PhotoFrameMask><Window rect='0,0,w/2,h' />"
                                    "<Window rect='w/2,0,w/2,h' /></PhotoFrameMask>");
        WriteText(User(L"broken.jpg"), std::string(500, 'x'));
        CreateDirectoryW(User(L"folder.jpg").c_str(), nullptr);
        // The program's frames.
        WriteImage(Program(L"sea.jpg"), 200, 200); // hidden by the user's Sea.jpg
        WriteImage(Program(L"Lake.jpg"), 400, 300);
        WriteImage(Program(L"Lake.png"), 300, 400);
        WriteImage(Program(L"Board.jpg"), 800, 400);
        WriteText(Program(L"Board.xml"),
                  "<PhotoFrameMask><Window rect='0,0,300,h' /><Window rect='350,0,300,h' />"
                  "<Window rect='700,0,300,h' /></PhotoFrameMask>");
        WriteImage(Program(L"Tall.jpg"), 800, 400);
        WriteText(Program(L"Tall.xml"), "<PhotoFrameMask><Window rect='0,0,200,h' />"
                                        "</PhotoFrameMask>"); // a 160 x 400 window
        WriteImage(Program(L"Rooted.png"), 300, 300);
        WriteText(Program(L"Rooted.xml"), "<Other><Window rect='0,0,10,10' /></Other>");
        WriteText(folders_.genericLayouts, kGeneric);
        WriteText(folders_.rotatableList, "Sunset\r\n");
    }

    std::wstring User(const wchar_t* name) const { return user_ + L"\\" + name; }
    std::wstring Program(const wchar_t* name) const { return program_ + L"\\" + name; }

    CFrameCatalog Loaded() {
        // The user's own list names "lake", which is not the frame Lake.
        CFrameCatalog catalog(folders_, ReadRotatableList(folders_.rotatableList, L"lake;Board"));
        catalog.LoadFrameCatalog();
        return catalog;
    }

    std::wstring dir_ = kvtest::MakeTempDir(L"framecatalog");
    std::wstring user_ = dir_ + L"\\user";
    std::wstring program_ = dir_ + L"\\program";
    FrameFolders folders_{user_, program_, dir_ + L"\\data/genericphotomasks.xml",
                          dir_ + L"\\data\\RotatablePhotoFrames.txt"};
};

TEST_F(FrameCatalog, ListsFrameImagesUserFolderFirstWithoutMasksDuplicatesOrBrokenFiles) {
    CFrameCatalog catalog = Loaded();
    const L& frames = catalog.Frames();
    L names;
    for (const std::wstring& path : frames)
        names.push_back(FileNameOf(path));
    L sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (L{L"Board.jpg", L"Duo.png", L"Lake.jpg", L"Lake.png", L"Leaf.jpg",
                         L"Rooted.png", L"Sea.jpg", L"Sunset.png", L"Tall.jpg"}));
    // Groups in order: user JPEG, user PNG, program JPEG, program PNG.
    auto group = [&](const std::wstring& path) {
        const bool program = ParentFolder(path) == program_;
        return (program ? 2 : 0) + (ExtensionOf(path, true) == L"png" ? 1 : 0);
    };
    EXPECT_TRUE(std::is_sorted(frames.begin(), frames.end(),
                               [&](auto& a, auto& b) { return group(a) < group(b); }));
    // The user's Sea.jpg hides the program's sea.jpg.
    auto sea = std::find_if(frames.begin(), frames.end(),
                            [](auto& p) { return FileNameOf(p) == L"Sea.jpg"; });
    ASSERT_NE(sea, frames.end());
    EXPECT_EQ(ParentFolder(*sea), user_);
}

TEST_F(FrameCatalog, LookupsByTitleOrLabel) {
    CFrameCatalog catalog = Loaded();
    const struct {
        const wchar_t* frame;
        std::wstring path;
        bool precut;
    } cases[] = {
        {L"Sea", user_ + L"/Sea.jpg", false},
        {L"[*] sea", user_ + L"/sea.jpg", false},
        {L"[1] Sunset", user_ + L"/Sunset.png", true},
        {L"Leaf", user_ + L"/Leaf.jpg", true},
        {L"Lake", program_ + L"/Lake.jpg", false}, // the JPEG before the PNG of one title
        {L"Duo", user_ + L"/Duo.png", true},
        {L"Nope", L"", false},
        {L"[*] ", L"", false},
        {L"..\\user\\Sea", L"", false}, // a title is a file name, never a path
        {L"[*] ../program/Lake", L"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(kvtest::Utf8(c.frame));
        EXPECT_EQ(catalog.FindFrameImagePath(c.frame), c.path);
        EXPECT_EQ(catalog.IsPrecutFrame(c.frame), c.precut);
    }
}

TEST_F(FrameCatalog, OwnLayoutsDefaultWindowsAndGenericLayouts) {
    CFrameCatalog catalog = Loaded();
    const struct {
        const wchar_t* frame;
        const wchar_t* layout;
        const wchar_t* name; // null: none found
        size_t windows;
    } cases[] = {
        {L"Sunset", L"", L"Sunset", 1}, // precut without a layout file
        {L"[1] Leaf", L"", L"Leaf", 1}, // precut by its mask
        {L"Rooted", L"", L"Rooted", 1}, // a layout file with another root
        {L"[2] Duo", L"", L"Duo", 2},      {L"board", L"", L"Board", 3},
        {L"Board", L"[2] Two", L"Two", 2}, {L"Sea", L"[3] three", L"Three", 3},
        {L"Sea", L"", nullptr, 0},       // a layout frame without a layout file
        {L"Lake", L"", nullptr, 0},      // the title's frame is the layout frame
        {L"Sea", L"Board", L"Board", 3}, // frame layouts are looked up first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(kvtest::Utf8(std::wstring(c.frame) + L"|" + c.layout));
        const FrameMask* mask = catalog.FindFrameMask(c.frame, c.layout);
        if (!c.name) {
            EXPECT_EQ(mask, nullptr);
            continue;
        }
        ASSERT_NE(mask, nullptr);
        EXPECT_EQ(mask->name, c.name);
        EXPECT_EQ(mask->windows.size(), c.windows);
    }
    EXPECT_EQ(catalog.FindFrameMask(L"Sunset", L"")->windows[0].rect, L"0,0,w,h");
}

TEST_F(FrameCatalog, CombiningListsEveryFrameOrOnlyPrecutFramesOfThePhotoCount) {
    CFrameCatalog catalog = Loaded();
    EXPECT_EQ(catalog.ListFramesForCombining(2, false),
              (L{L"[*] Board", L"[*] Lake", L"[*] Lake", L"[*] Sea", L"[*] Tall", L"[1] Leaf",
                 L"[1] Rooted", L"[1] Sunset", L"[2] Duo"}));
    EXPECT_EQ(catalog.ListFramesForCombining(2, true),
              (L{L"[*] Board", L"[*] Lake", L"[*] Lake", L"[*] Sea", L"[*] Tall", L"[2] Duo"}));
}

TEST_F(FrameCatalog, BatchListsFollowWindowCountOrientationAndTheExactRotatableList) {
    CFrameCatalog catalog = Loaded();
    EXPECT_EQ(catalog.ListFramesForPhoto(400, 300, false, true),
              catalog.ListFramesForCombining(1, false));
    EXPECT_EQ(catalog.ListFramesForPhoto(300, 400, false, false),
              catalog.ListFramesForCombining(1, false));
    // Landscape: Sunset stays because it can be turned; Lake.png is portrait and "lake" in the
    // list is another title; Tall's own window is portrait.
    EXPECT_EQ(
        catalog.ListFramesForPhoto(400, 300, true, true),
        (L{L"[*] Board", L"[*] Lake", L"[*] Sea", L"[1] Leaf", L"[1] Rooted", L"[1] Sunset"}));
    EXPECT_EQ(catalog.ListFramesForPhoto(300, 400, true, true),
              (L{L"[*] Board", L"[*] Lake", L"[*] Tall", L"[1] Rooted", L"[1] Sunset"}));
    EXPECT_EQ(catalog.ListFramesForPhoto(300, 400, true, false),
              (L{L"[*] Board", L"[*] Lake", L"[*] Lake", L"[*] Sea", L"[*] Tall", L"[1] Leaf",
                 L"[1] Rooted", L"[1] Sunset"}));
}

// Frames are decoded once, when the catalogue loads; the lists for each photo reuse their sizes.
TEST_F(FrameCatalog, PhotoListsReuseTheSizesMeasuredAtLoad) {
    CFrameCatalog catalog = Loaded();
    const L landscape = catalog.ListFramesForPhoto(400, 300, true, true);
    const L portrait = catalog.ListFramesForPhoto(300, 400, true, true);
    for (const std::wstring& path : catalog.Frames())
        WriteText(path, "no longer a picture");
    EXPECT_EQ(catalog.ListFramesForPhoto(400, 300, true, true), landscape);
    EXPECT_EQ(catalog.ListFramesForPhoto(300, 400, true, true), portrait);
    EXPECT_TRUE(catalog.ShouldRotateFrame(400, 300, L"Sunset"));
}

TEST_F(FrameCatalog, RotatableFramesTurnWhenTheirWindowsDoNotSuitThePhoto) {
    CFrameCatalog catalog = Loaded();
    EXPECT_TRUE(catalog.IsRotatableFrame(L"[1] Sunset"));
    EXPECT_FALSE(catalog.IsRotatableFrame(L"sunset"));
    const struct {
        int width, height;
        const wchar_t* frame;
        bool turn;
    } cases[] = {
        {400, 300, L"Sunset", true}, {300, 400, L"[1] Sunset", false},
        {300, 300, L"Board", true},  {400, 300, L"[*] Board", false},
        {400, 300, L"Tall", false},  {400, 300, L"Lake", false},
        {400, 300, L"Nope", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(catalog.ShouldRotateFrame(c.width, c.height, c.frame), c.turn)
            << kvtest::Utf8(c.frame) << " " << c.width << "x" << c.height;
}

TEST_F(FrameCatalog, LayoutListsPutTheFramesOwnLayoutFirst) {
    CFrameCatalog catalog = Loaded();
    EXPECT_EQ(catalog.ListLayouts(L"[*] Board", 3, true), (L{L"[3] Board", L"[3] Three"}));
    EXPECT_EQ(catalog.ListLayouts(L"Board", 2, true), (L{L"[2] Two"}));
    EXPECT_EQ(catalog.ListLayouts(L"Board", 2, false), (L{L"[3] Board", L"[2] Two", L"[3] Three"}));
    EXPECT_EQ(catalog.ListLayouts(L"Sea", 5, false), (L{L"[2] Two", L"[3] Three"}));
    EXPECT_TRUE(catalog.HasMatchingFrame(2));
    EXPECT_TRUE(catalog.HasMatchingFrame(3));
    EXPECT_FALSE(catalog.HasMatchingFrame(4));
}

TEST_F(FrameCatalog, GenericLayoutsDoNotMatchWithoutALayoutFrame) {
    FrameFolders precutOnly = folders_;
    precutOnly.userFrames = dir_ + L"\\precut";
    precutOnly.programFrames.clear();
    CreateDirectoryW(precutOnly.userFrames.c_str(), nullptr);
    WriteImage(precutOnly.userFrames + L"\\A.png", 100, 100);
    CFrameCatalog catalog(precutOnly, L"");
    catalog.LoadFrameCatalog();
    EXPECT_TRUE(catalog.HasMatchingFrame(1));
    EXPECT_FALSE(catalog.HasMatchingFrame(3)); // only the generic "Three" has three windows
    WriteImage(precutOnly.userFrames + L"\\B.jpg", 100, 100);
    catalog.LoadFrameCatalog();
    EXPECT_TRUE(catalog.HasMatchingFrame(3));
}

TEST_F(FrameCatalog, LoadsFramesWithTheirAlphaMasks) {
    CFrameCatalog catalog = Loaded();
    BitmapPtr leaf = catalog.LoadCatalogFrame(L"[1] Leaf");
    ASSERT_TRUE(IsUsableBitmap(leaf.get()));
    EXPECT_EQ(leaf->GetWidth(), 500u);
    EXPECT_LT(frametest::PixelAt(*leaf, 250, 150) >> 24, 16u); // black mask: a window
    BitmapPtr sunset = catalog.LoadCatalogFrame(L"Sunset");
    ASSERT_TRUE(IsUsableBitmap(sunset.get()));
    EXPECT_EQ(sunset->GetHeight(), 400u);
    BitmapPtr sea = catalog.LoadCatalogFrame(L"Sea");
    ASSERT_TRUE(IsUsableBitmap(sea.get()));
    EXPECT_EQ(frametest::PixelAt(*sea, 5, 5) >> 24, 255u);
    EXPECT_EQ(catalog.LoadCatalogFrame(L"broken"), nullptr);
    EXPECT_EQ(catalog.LoadCatalogFrame(L"Nope"), nullptr);
}

TEST_F(FrameCatalog, OwnFramesAndDrawnLayoutsJoinTheOpenCatalogue) {
    FrameFolders fresh = folders_;
    fresh.userFrames = dir_ + L"\\new user\\photoframes"; // not there yet
    fresh.programFrames.clear();
    CFrameCatalog catalog(fresh, L"");
    catalog.LoadFrameCatalog();
    CreateDirectoryW((dir_ + L"\\new user").c_str(), nullptr);
    CreateDirectoryW(fresh.userFrames.c_str(), nullptr);
    WriteImage(fresh.userFrames + L"\\Mine.png", 300, 200);
    WriteImage(fresh.userFrames + L"\\Plain.jpg", 300, 200);
    catalog.AppendFrame(fresh.userFrames + L"\\Mine.png");
    catalog.AppendFrame(fresh.userFrames + L"\\Plain.jpg");
    ASSERT_NE(catalog.FindFrameMask(L"[1] Mine", L""), nullptr);
    EXPECT_EQ(catalog.FindFrameMask(L"Plain", L""), nullptr);
    EXPECT_EQ(catalog.ListFramesForCombining(1, true), (L{L"[*] Plain", L"[1] Mine"}));

    // The layout definer replaces the windows and saves them.
    FrameMask* mask = catalog.FindFrameMask(L"Mine", L"");
    mask->windows.resize(2);
    mask->windows[0].rect = L"0,0,500,h";
    mask->windows[1].rect = L"500,0,500,h";
    ASSERT_TRUE(catalog.WriteFrameLayout(L"[2] Mine"));
    CFrameCatalog reloaded(fresh, L"");
    reloaded.LoadFrameCatalog();
    ASSERT_NE(reloaded.FindFrameMask(L"Mine", L""), nullptr);
    EXPECT_EQ(reloaded.FindFrameMask(L"Mine", L"")->windows.size(), 2u);
    EXPECT_FALSE(catalog.WriteFrameLayout(L"Nothing"));
    catalog.FrameMasks()[L"..\\mine"] = MakeDefaultFrameMask(L"..\\Mine");
    EXPECT_FALSE(catalog.WriteFrameLayout(L"..\\Mine"));
    EXPECT_FALSE(frametest::Exists(dir_ + L"\\new user\\Mine.xml"));
}

} // namespace
