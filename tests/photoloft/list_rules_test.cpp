#include <gtest/gtest.h>

#include <climits>

#include "photoloft/frame_lists.h"
#include "photoloft/list_label.h"
#include "photoloft/mask_document.h"
#include "photoloft/rotatable_list.h"

namespace {

FrameMask Mask(const wchar_t* name, std::initializer_list<const wchar_t*> rects) {
    FrameMask mask;
    mask.name = name;
    for (const wchar_t* rect : rects) {
        WindowRecord window;
        window.rect = rect;
        mask.windows.push_back(window);
    }
    return mask;
}

TEST(ListLabel, OnlyTheFirstClosingBracketAndBlankCount) {
    const struct {
        const wchar_t* text;
        const wchar_t* stripped;
    } cases[] = {
        {L"[2] a] b", L"a] b"}, {L"a] b", L"b"},        {L"[*] Sea", L"Sea"}, {L"[12] ", L""},
        {L"Sea", L"Sea"},       {L"[3]Sea", L"[3]Sea"}, {L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StripListLabel(c.text), c.stripped) << testing::PrintToString(c.text);
    EXPECT_EQ(MakeListLabel(0, L"a] b"), L"[*] a] b");
    EXPECT_EQ(MakeListLabel(2, L"a] b"), L"[2] a] b");
    EXPECT_EQ(StripListLabel(MakeListLabel(2, L"a] b")), L"a] b");
    EXPECT_EQ(CountLabel(0, L"Empty"), L"[0] Empty");
}

TEST(RotatableList, FileLinesAndUserListMatchWholeTitlesExactly) {
    const std::wstring list = MakeRotatableList(L"Sea\nOld Lake\n", L"Own;Mine");
    EXPECT_EQ(list, L"Sea;Old Lake;;Own;Mine");
    for (const wchar_t* title : {L"Sea", L"Old Lake", L"Own", L"Mine"})
        EXPECT_TRUE(InRotatableList(list, title)) << testing::PrintToString(title);
    for (const wchar_t* title : {L"sea", L"Lake", L"Old", L"Se", L"Mine;"})
        EXPECT_FALSE(InRotatableList(list, title)) << testing::PrintToString(title);
    EXPECT_EQ(MakeRotatableList(L"", L""), L"");
    EXPECT_FALSE(InRotatableList(L"", L"Sea"));
    EXPECT_TRUE(InRotatableList(MakeRotatableList(L"", L"Sea"), L"Sea"));
}

TEST(ParseRotate, LikeTheLibraryStringToLong) {
    const struct {
        const wchar_t* text;
        int angle;
    } cases[] = {
        {L"5", 5},
        {L"-7", -7},
        {L"12.5", 12},
        {L"  +30deg", 30},
        {L"\t-0", 0},
        {L"abc", 0},
        {L"", 0},
        {L"- 5", 0},
        {L"99999999999", INT_MAX},
        {L"-99999999999", INT_MIN},
        {L"2147483647", INT_MAX},
        {L"-2147483648", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseRotate(c.text), c.angle) << testing::PrintToString(c.text);
}

TEST(WindowShape, OwnWindowForPrecutAndSingleWindowLayoutsElseTheImage) {
    const FrameMask single = Mask(L"s", {L"0,0,250,h"}); // 250 x 500 on 1000 x 500
    const FrameMask pair = Mask(L"p", {L"0,0,250,h", L"500,0,500,h"});
    const FrameMask none = Mask(L"n", {});
    const struct {
        const FrameMask* mask;
        bool precut;
        int count;
        float aspect;
    } cases[] = {
        {nullptr, true, 1, 2.0f},  {nullptr, false, 1, 2.0f}, {&single, true, 1, 0.5f},
        {&single, false, 1, 0.5f}, {&pair, true, 2, 0.5f},    {&pair, false, 2, 2.0f},
        {&none, true, 0, 2.0f},
    };
    for (const auto& c : cases) {
        const WindowShape shape = WindowShapeOf(c.mask, c.precut, 1000, 500);
        EXPECT_EQ(shape.count, c.count);
        EXPECT_FLOAT_EQ(shape.aspect, c.aspect);
    }
}

TEST(FrameLists, LabelsSortWithoutCaseAndByTextNotByNumber) {
    std::vector<FrameInfo> frames(5);
    frames[0] = {L"beta", true, false, {2, 1}};
    frames[1] = {L"Alpha", true, false, {10, 1}};
    frames[2] = {L"wood", false, false, {3, 1}};
    frames[3] = {L"Alpha", true, false, {1, 1}};
    frames[4] = {L"ALPHA", false, false, {1, 1}};
    EXPECT_EQ(FramesForCombining(frames, 2, false),
              (std::vector<std::wstring>{L"[*] ALPHA", L"[*] wood", L"[10] Alpha", L"[1] Alpha",
                                         L"[2] beta"}));
    // Matching only: precut frames need the photo count; layout frames always stay.
    EXPECT_EQ(FramesForCombining(frames, 2, true),
              (std::vector<std::wstring>{L"[*] ALPHA", L"[*] wood", L"[2] beta"}));
}

TEST(FrameLists, BatchModeFiltersByWindowCountAndOrientation) {
    std::vector<FrameInfo> frames = {
        {L"tall", true, false, {1, 0.75f}},  {L"wide", true, false, {1, 1.5f}},
        {L"turns", true, true, {1, 0.75f}},  {L"pair", true, false, {2, 1.5f}},
        {L"board", false, false, {1, 0.5f}}, {L"square", true, false, {1, 1.0f}},
    };
    using L = std::vector<std::wstring>;
    const L all = {L"[*] board", L"[1] square", L"[1] tall",
                   L"[1] turns", L"[1] wide",   L"[2] pair"};
    EXPECT_EQ(FramesForPhoto(frames, 400, 300, false, true), all);
    EXPECT_EQ(FramesForPhoto(frames, 400, 300, true, false),
              (L{L"[*] board", L"[1] square", L"[1] tall", L"[1] turns", L"[1] wide"}));
    EXPECT_EQ(FramesForPhoto(frames, 400, 300, true, true),
              (L{L"[1] square", L"[1] turns", L"[1] wide"}));
    // A square photo counts as portrait.
    for (int width : {300, 400}) {
        EXPECT_EQ(FramesForPhoto(frames, width, 400, true, true),
                  (L{L"[*] board", L"[1] square", L"[1] tall", L"[1] turns"}));
    }
    EXPECT_TRUE(OrientationMismatch(400, 300, 0.75f));
    EXPECT_FALSE(OrientationMismatch(400, 300, 1.0f));
    EXPECT_TRUE(OrientationMismatch(300, 300, 1.5f));
    EXPECT_FALSE(OrientationMismatch(300, 300, 1.05f));
}

TEST(FrameLists, OwnLayoutComesFirstThenTheSortedGenericOnes) {
    FrameMaskTable generic;
    generic[L"quad"] = Mask(L"Quad", {L"a", L"b", L"c", L"d"});
    generic[L"duo"] = Mask(L"duo", {L"a", L"b"});
    generic[L"twin"] = Mask(L"Twin", {L"a", L"b"});
    const FrameMask own = Mask(L"Zebra", {L"a", L"b", L"c"});
    using L = std::vector<std::wstring>;
    EXPECT_EQ(LayoutLabels(generic, &own, 2, false),
              (L{L"[3] Zebra", L"[2] duo", L"[2] Twin", L"[4] Quad"}));
    EXPECT_EQ(LayoutLabels(generic, &own, 2, true), (L{L"[2] duo", L"[2] Twin"}));
    EXPECT_EQ(LayoutLabels(generic, &own, 3, true), (L{L"[3] Zebra"}));
    EXPECT_EQ(LayoutLabels(generic, nullptr, 4, true), (L{L"[4] Quad"}));
}

TEST(FrameLists, GenericLayoutsMatchOnlyWhenALayoutFrameCanUseThem) {
    FrameMaskTable own, generic;
    own[L"a"] = Mask(L"a", {L"x"});
    own[L"b"] = Mask(L"b", {L"x", L"y"});
    generic[L"three"] = Mask(L"three", {L"x", L"y", L"z"});
    EXPECT_TRUE(AnyFrameMatches(own, generic, false, 2));
    EXPECT_FALSE(AnyFrameMatches(own, generic, false, 3));
    EXPECT_TRUE(AnyFrameMatches(own, generic, true, 3));
    EXPECT_FALSE(AnyFrameMatches(own, generic, true, 4));
}

TEST(SplitWindowList, RunsOfSeparatorsCountOnce) {
    using L = std::vector<std::wstring>;
    EXPECT_EQ(SplitWindowList(L"a;b;"), (L{L"a", L"b"}));
    EXPECT_EQ(SplitWindowList(L";;a;;;b"), (L{L"a", L"b"}));
    EXPECT_EQ(SplitWindowList(L" ; "), (L{L" ", L" "}));
    EXPECT_EQ(SplitWindowList(L";;;"), L{});
    EXPECT_EQ(SplitWindowList(L""), L{});
}

} // namespace
