#include <gtest/gtest.h>

#include "notices/balloon_keys.h"
#include "notices/text_wrap.h"

namespace {

// Every character 10 pixels wide: lines of at most five characters at 50 pixels.
int TenPerCharacter(std::wstring_view text) {
    return static_cast<int>(text.size()) * 10;
}

TEST(WrapText, BreaksGreedilyAtBlanksIdeographsAndLineEnds) {
    struct Case {
        std::wstring text, wrapped;
    } cases[] = {
        {L"aaa bbb ccc", L"aaa |bbb |ccc"},
        {L"aa bb cc", L"aa bb |cc"},
        // An existing line end starts a new line; trailing blanks do not count.
        {L"aa\nbbbbbbbb cc", L"aa\nbbbbbbbb |cc"},
        {L"aaaaa     b", L"aaaaa     |b"},
        // A word wider than the line keeps it to itself, whole.
        {L"abcdefgh", L"abcdefgh"},
        {L"a abcdefgh b", L"a |abcdefgh |b"},
        {L"abcdefgh\nb", L"abcdefgh\nb"},
        // Ideographs break anywhere, Latin words stay whole next to them.
        {L"\u4e00\u4e8c\u4e09\u56db\u4e94\u516d\u4e03",
         L"\u4e00\u4e8c\u4e09\u56db\u4e94|\u516d\u4e03"},
        {L"\u4e00\u4e8cabcd", L"\u4e00\u4e8c|abcd"},
        {L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapText(c.text, L"|", 50, TenPerCharacter), c.wrapped);
}

TEST(ClassifyBalloonKey, NavigationKeysAreSwallowedModifiersPass) {
    struct Case {
        unsigned key;
        BalloonKey effect;
    } cases[] = {
        {0x09, BalloonKey::kHideAndSwallow}, // Tab
        {0x0D, BalloonKey::kHideAndSwallow}, // Enter
        {0x1B, BalloonKey::kHideAndSwallow}, // Escape
        {0x25, BalloonKey::kHideAndSwallow}, // Left
        {0x26, BalloonKey::kHideAndSwallow}, // Up
        {0x27, BalloonKey::kHideAndSwallow}, // Right
        {0x28, BalloonKey::kHideAndSwallow}, // Down
        {0x70, BalloonKey::kHideAndSwallow}, // F1
        {0x87, BalloonKey::kHideAndSwallow}, // F24
        {0x10, BalloonKey::kPass},           // Shift
        {0x11, BalloonKey::kPass},           // Ctrl
        {0x12, BalloonKey::kPass},           // Alt
        {0x41, BalloonKey::kPassThenHide},   // A
        {0x24, BalloonKey::kPassThenHide},   // Home
        {0x2E, BalloonKey::kPassThenHide},   // Delete
        {0x20, BalloonKey::kPassThenHide},   // Space
        {0x88, BalloonKey::kPassThenHide},   // beyond F24
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyBalloonKey(c.key), c.effect) << c.key;
}

} // namespace
