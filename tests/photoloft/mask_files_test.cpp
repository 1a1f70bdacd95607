#include "photoloft/mask_files.h"

#include <gtest/gtest.h>

#include <climits>
#include <thread>

#include "automation.h"
#include "frame_files.h"
#include "photoloft/com_scope.h"
#include "photoloft/mask_document.h"

using frametest::ReadBytes;
using frametest::WriteText;

namespace {

class MaskFiles : public testing::Test {
  protected:
    std::wstring dir_ = kvtest::MakeTempDir(L"maskfiles");
    std::wstring Path(const wchar_t* name) const { return dir_ + L"\\" + name; }

    // Reads a layout document with this text; false when it does not load.
    bool ReadLayout(std::string_view xml, FrameMask* mask) {
        WriteText(Path(L"layout.xml"), xml);
        return ReadFrameLayoutFile(Path(L"layout.xml"), L"Sea", mask);
    }
    bool ReadGeneric(std::string_view xml, FrameMaskTable* table) {
        WriteText(Path(L"generic.xml"), xml);
        return ReadGenericLayoutsFile(Path(L"generic.xml"), *table);
    }
};

TEST_F(MaskFiles, WindowsInDocumentOrderWithRectsAndAngles) {
    FrameMask mask;
    ASSERT_TRUE(ReadLayout("<PhotoFrameMask>\n"
                           "  <Window rect='20,20,460,h-40' />\n"
                           "  <Window rect='520,20,460,h-40' rotate='5' />\n"
                           "  <Window rotate='-7' />\n"
                           "  <Window rect='1,2,3,4' rotate='12.5' />\n"
                           "</PhotoFrameMask>",
                           &mask));
    EXPECT_EQ(mask.name, L"Sea");
    ASSERT_EQ(mask.windows.size(), 4u);
    EXPECT_EQ(mask.windows[0].rect, L"20,20,460,h-40");
    EXPECT_EQ(mask.windows[0].angle, 0);
    EXPECT_EQ(mask.windows[1].rect, L"520,20,460,h-40");
    EXPECT_EQ(mask.windows[1].angle, 5);
    EXPECT_EQ(mask.windows[2].rect, L""); // no rect: empty, not the whole frame
    EXPECT_EQ(mask.windows[2].angle, -7);
    EXPECT_EQ(mask.windows[3].angle, 12);
    for (const WindowRecord& window : mask.windows)
        EXPECT_EQ(window.offsetPercent, 0);
}

TEST_F(MaskFiles, EmptyLayoutLoadsWithoutWindows) {
    for (const char* xml : {"<PhotoFrameMask></PhotoFrameMask>", "<PhotoFrameMask/>",
                            "<?xml version='1.0'?>\n<PhotoFrameMask>\n\n</PhotoFrameMask>\n"}) {
        SCOPED_TRACE(xml);
        FrameMask mask;
        mask.windows.resize(3);
        ASSERT_TRUE(ReadLayout(xml, &mask));
        EXPECT_TRUE(mask.windows.empty());
    }
}

TEST_F(MaskFiles, CommentsAndTextCountAsWindowsButBlanksDoNot) {
    FrameMask mask;
    ASSERT_TRUE(ReadLayout("<PhotoFrameMask>\r\n  <!-- left -->\r\n  <Window rect='0,0,w/2,h' />"
                           "\r\n  stray\r\n</PhotoFrameMask>",
                           &mask));
    ASSERT_EQ(mask.windows.size(), 3u);
    EXPECT_EQ(mask.windows[0].rect, L"");
    EXPECT_EQ(mask.windows[1].rect, L"0,0,w/2,h");
    EXPECT_EQ(mask.windows[2].rect, L"");
}

TEST_F(MaskFiles, DocumentsThatDoNotLoadLeaveTheMaskAlone) {
    const char* cases[] = {
        "",                                                       // empty file
        "<PhotoFrameMask><Window rect='1,2,3,4'>",                // not closed
        "<GenericMasks><Window rect='1,2,3,4' /></GenericMasks>", // another root
        "<Frame><PhotoFrameMask /></Frame>",                      // not the root
        "<photoframemask />",                                     // names are case-sensitive
    };
    for (const char* xml : cases) {
        SCOPED_TRACE(xml);
        FrameMask mask = MakeDefaultFrameMask(L"Keep");
        EXPECT_FALSE(ReadLayout(xml, &mask));
        EXPECT_EQ(mask.name, L"Keep");
        EXPECT_EQ(mask.windows.size(), 1u);
    }
    FrameMask mask;
    EXPECT_FALSE(ReadFrameLayoutFile(Path(L"missing.xml"), L"x", &mask));
}

TEST_F(MaskFiles, GenericLayoutsSplitAtSemicolonsAndLaterNamesReplaceEarlier) {
    FrameMaskTable table;
    ASSERT_TRUE(ReadGeneric("<GenericMasks>\n"
                            "  <Layout name='Duo' windows='1,1,1,1;2,2,2,2;3,3,3,3' />\n"
                            "  <Layout name='Pair' windows='0,0,w/2,h;w/2,0,w/2,h;' />\n"
                            "  <Layout name='Gaps' windows=';;a;; b ;' />\n"
                            "  <Layout name='duo' windows='9,9,9,9' />\n"
                            "  <Layout windows='0,0,w,h' />\n"
                            "  <Layout name='None' />\n"
                            "  <!-- unnamed -->\n"
                            "</GenericMasks>",
                            &table));
    ASSERT_EQ(table.count(L"duo"), 1u);
    EXPECT_EQ(table[L"duo"].name, L"duo");
    ASSERT_EQ(table[L"duo"].windows.size(), 1u);
    EXPECT_EQ(table[L"duo"].windows[0].rect, L"9,9,9,9");
    ASSERT_EQ(table[L"pair"].windows.size(), 2u);
    EXPECT_EQ(table[L"pair"].windows[1].rect, L"w/2,0,w/2,h");
    ASSERT_EQ(table[L"gaps"].windows.size(), 2u);
    EXPECT_EQ(table[L"gaps"].windows[1].rect, L" b "); // blanks kept
    EXPECT_TRUE(table[L"none"].windows.empty());
    // The nameless layout and then the comment share the empty name; the comment came last.
    ASSERT_EQ(table.count(L""), 1u);
    EXPECT_TRUE(table[L""].windows.empty());
    for (const auto& [key, layout] : table)
        for (const WindowRecord& window : layout.windows)
            EXPECT_EQ(window.angle, 0);
}

TEST_F(MaskFiles, GenericLayoutsNeedTheirOwnRoot) {
    FrameMaskTable table;
    EXPECT_FALSE(ReadGeneric("<PhotoFrameMask><Window rect='1,1,1,1' /></PhotoFrameMask>", &table));
    EXPECT_FALSE(ReadGeneric("<GenericMasks><Layout name='x'", &table));
    EXPECT_FALSE(ReadGenericLayoutsFile(Path(L"missing.xml"), table));
    EXPECT_TRUE(table.empty());
}

TEST_F(MaskFiles, WrittenLayoutHasTheExactFormatAndReadsBack) {
    FrameMask mask;
    mask.name = L"Sea";
    for (const wchar_t* rect : {L"10,20,300,200", L"350,20,300,200", L"10,250,640,h-270"}) {
        WindowRecord window;
        window.rect = rect;
        window.angle = 9; // not written
        window.offsetPercent = 30;
        mask.windows.push_back(window);
    }
    ASSERT_TRUE(WriteFrameLayoutFile(Path(L"Sea.xml"), mask));
    EXPECT_EQ(ReadBytes(Path(L"Sea.xml")), "\xEF\xBB\xBF<PhotoFrameMask>\r\n"
                                           "<Window rect='10,20,300,200' />\r\n"
                                           "<Window rect='350,20,300,200' />\r\n"
                                           "<Window rect='10,250,640,h-270' />\r\n"
                                           "</PhotoFrameMask>");
    FrameMask back;
    ASSERT_TRUE(ReadFrameLayoutFile(Path(L"Sea.xml"), L"Sea", &back));
    ASSERT_EQ(back.windows.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.windows[i].rect, mask.windows[i].rect);
        EXPECT_EQ(back.windows[i].angle, 0);
        EXPECT_EQ(back.windows[i].offsetPercent, 0);
    }
}

TEST_F(MaskFiles, RectsWithMarkupCharactersAreEscapedAndReadBackUnchanged) {
    const std::wstring rects[] = {L"w>>1,h<<1,(w&&h)*10,'5'", L"a\"b<c>&d", L"1,\t2,\n3,\r4",
                                  std::wstring(L"x\x01y\vz")};
    FrameMask mask;
    for (const std::wstring& rect : rects) {
        WindowRecord window;
        window.rect = rect;
        mask.windows.push_back(window);
    }
    ASSERT_TRUE(WriteFrameLayoutFile(Path(L"Odd.xml"), mask));
    FrameMask back;
    ASSERT_TRUE(ReadFrameLayoutFile(Path(L"Odd.xml"), L"Odd", &back));
    ASSERT_EQ(back.windows.size(), 4u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(back.windows[i].rect, rects[i]);
    // XML cannot carry control characters: a blank stays a blank to the evaluator, the others
    // stay something it rejects.
    EXPECT_EQ(back.windows[3].rect, L"x\xFFFDy z");
}

TEST_F(MaskFiles, WritingCreatesTheMissingFolder) {
    const std::wstring path = dir_ + L"\\User Data\\photoframes\\Sea.xml";
    ASSERT_TRUE(WriteFrameLayoutFile(path, MakeDefaultFrameMask(L"Sea")));
    EXPECT_TRUE(frametest::Exists(path));
}

// COM is left as the thread had it, whichever apartment it was in or none.
TEST_F(MaskFiles, ComInitialisationStaysBalanced) {
    WriteText(Path(L"one.xml"), "<PhotoFrameMask><Window rect='0,0,w,h' /></PhotoFrameMask>");
    for (DWORD model : {DWORD(-1), DWORD(COINIT_APARTMENTTHREADED), DWORD(COINIT_MULTITHREADED)}) {
        SCOPED_TRACE(model);
        bool loaded = false;
        HRESULT after = E_FAIL;
        std::thread([&] {
            if (model != DWORD(-1)) CoInitializeEx(nullptr, model);
            FrameMask mask;
            loaded =
                ReadFrameLayoutFile(Path(L"one.xml"), L"one", &mask) && mask.windows.size() == 1;
            after = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            if (SUCCEEDED(after)) CoUninitialize();
            if (model != DWORD(-1)) CoUninitialize();
        }).join();
        EXPECT_TRUE(loaded);
        // Nothing left initialised, or the thread's own apartment as it was.
        const HRESULT expected = model == DWORD(-1)                         ? S_OK
                                 : model == DWORD(COINIT_APARTMENTTHREADED) ? S_FALSE
                                                                            : RPC_E_CHANGED_MODE;
        EXPECT_EQ(after, expected);
    }
}

} // namespace
