#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "automation.h"
#include "notices/message_box.h"

namespace {

constexpr int kCheckBoxId = 5555;

// Width of one line in the message font.
int MessageFontWidth(std::wstring_view text) {
    HFONT font = CreateMessageFont();
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return size.cx;
}

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(L'\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::wstring::npos) return lines;
        start = end + 1;
    }
}

std::wstring WithoutLineBreaks(std::wstring text) {
    std::erase(text, L'\n');
    return text;
}

TEST(WrapMessageText, BreaksALongParagraphAtBlanksWithinTheWidth) {
    const std::wstring paragraph =
        L"Photoloft frames, adjusts, clips, signs, tiles and combines your photos before they "
        L"are uploaded. Choose a frame on the left, place the photo with the mouse and press OK "
        L"when the preview shows what you want to send to the web site.";
    std::wstring wrapped = WrapMessageText(paragraph);
    EXPECT_EQ(WithoutLineBreaks(wrapped), paragraph);
    std::vector<std::wstring> lines = Lines(wrapped);
    ASSERT_GT(lines.size(), 1u);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::wstring line = lines[i];
        ASSERT_FALSE(line.empty());
        // Breaks come after the blank, which stays on the line.
        if (i + 1 < lines.size()) {
            EXPECT_EQ(line.back(), L' ') << kvtest::Utf8(line);
        }
        while (!line.empty() && line.back() == L' ')
            line.pop_back();
        EXPECT_LE(MessageFontWidth(line), 360) << kvtest::Utf8(line);
        // Greedy: the next word would not have fitted.
        if (i + 1 < lines.size()) {
            std::wstring next = lines[i + 1].substr(0, lines[i + 1].find(L' '));
            EXPECT_GT(MessageFontWidth(lines[i] + next), 360) << kvtest::Utf8(lines[i]);
        }
    }
}

TEST(WrapMessageText, BreaksChineseBetweenIdeographs) {
    std::wstring sentence;
    const std::wstring phrase = L"\u8bf7\u4e3a\u8fd9\u4e2a\u76f8\u6846\u6307\u5b9a\u4e00\u4e2a"
                                L"\u540d\u79f0\uff0c\u7136\u540e\u70b9\u51fb\u786e\u5b9a\u3002";
    // Long enough to wrap even where the font lacks ideographs and draws narrow boxes.
    for (int i = 0; i < 10; ++i)
        sentence += phrase;
    std::wstring wrapped = WrapMessageText(sentence);
    EXPECT_EQ(WithoutLineBreaks(wrapped), sentence);
    std::vector<std::wstring> lines = Lines(wrapped);
    ASSERT_GT(lines.size(), 1u);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(MessageFontWidth(lines[i]), 360) << i;
        if (i + 1 < lines.size()) {
            EXPECT_GT(MessageFontWidth(lines[i] + lines[i + 1].substr(0, 1)), 360) << i;
        }
    }
}

TEST(WrapMessageText, KeepsAnOverlongWordWholeOnItsOwnLine) {
    std::wstring word;
    while (MessageFontWidth(word) <= 400)
        word += L"Unbreakable";
    std::wstring wrapped = WrapMessageText(L"Before " + word + L" after\nthe end");
    EXPECT_EQ(wrapped, L"Before \n" + word + L" \nafter\nthe end");
}

struct BoxLayout {
    RECT client = {}, text = {}, button = {}, check = {};
};

RECT ClientRectOf(HWND dialog, HWND control) {
    RECT rc = {};
    GetWindowRect(control, &rc);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// Runs XMessageBox on this thread while another thread looks at the box and closes it.
int RunBox(const std::wstring& text, const std::function<void(HWND)>& drive) {
    std::thread driver([&] {
        HWND box = kvtest::WaitForWindow(L"Korvane", L"#32770", GetCurrentProcessId());
        if (!box) return;
        kvtest::WaitUntil([&] { return kvtest::FindControl(box, kCheckBoxId) != nullptr; });
        drive(box);
    });
    int result = XMessageBox(nullptr, text, L"Korvane");
    driver.join();
    return result;
}

TEST(XMessageBox, CentresOkUnderTheTextWithTheCheckBoxBelow) {
    BoxLayout layout;
    std::wstring shownText;
    int result = RunBox(L"The photo frames were updated.", [&](HWND box) {
        GetClientRect(box, &layout.client);
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (kvtest::GetText(child) == L"The photo frames were updated.") {
                layout.text = ClientRectOf(box, child);
                shownText = kvtest::GetText(child);
            }
        layout.button = ClientRectOf(box, kvtest::FindControl(box, IDOK));
        layout.check = ClientRectOf(box, kvtest::FindControl(box, kCheckBoxId));
        EXPECT_EQ(kvtest::GetText(kvtest::FindControl(box, IDOK)), L"OK");
        EXPECT_EQ(kvtest::GetText(kvtest::FindControl(box, kCheckBoxId)), L"Don't tell me again");
        kvtest::SaveWindowPng(box, kvtest::OutDir() + L"\\gallery\\notices\\message-box.png");
        kvtest::ClickButton(box, IDOK);
    });
    EXPECT_EQ(result, 1);
    ASSERT_EQ(shownText, L"The photo frames were updated.");
    // The icon and text span the text's right edge plus its margin, at least 122 pixels.
    int textArea = std::max<int>(layout.text.right + 8, 122);
    EXPECT_EQ(layout.button.left, (textArea - 90) / 2);
    EXPECT_EQ(layout.button.right - layout.button.left, 90);
    EXPECT_EQ(layout.button.bottom - layout.button.top, 26);
    EXPECT_EQ(layout.check.top - layout.button.top, 38);
    EXPECT_EQ(layout.check.left, 17);
    EXPECT_GE(layout.client.right, layout.check.right);
    EXPECT_EQ(layout.client.bottom, layout.check.bottom + 8);
    // One line of text.
    EXPECT_LT(layout.text.bottom - layout.text.top, 2 * 16);
}

TEST(XMessageBox, FlagsTheTickOnlyWhenOkIsPressed) {
    const std::wstring kTip =
        L"Drag the photo inside the frame to choose the part that shows, and use the mouse "
        L"wheel to zoom in or out. The preview shows the photo as it will be uploaded.";
    struct Case {
        const char* name;
        bool tick;
        bool escape;
        int result;
    } cases[] = {
        {"ticked, OK", true, false, 1 | kDontTellAgainFlag},
        {"not ticked, OK", false, false, 1},
        {"ticked, Escape", true, true, 1},
    };
    for (const Case& c : cases) {
        int result = RunBox(kTip, [&](HWND box) {
            if (c.tick) kvtest::SetCheck(box, kCheckBoxId, true);
            if (c.tick && !c.escape)
                kvtest::SaveWindowPng(box, kvtest::OutDir() + L"\\gallery\\notices\\tip-box.png");
            if (c.escape)
                kvtest::PostKey(kvtest::FindControl(box, IDOK), VK_ESCAPE);
            else
                kvtest::ClickButton(box, IDOK);
        });
        EXPECT_EQ(result, c.result) << c.name;
    }
}

TEST(ShowInfoMessage, ShowsTheTextInThePlatformBox) {
    const std::wstring text = L"Please fill in your name.";
    std::wstring seen;
    std::thread driver([&] {
        HWND box = kvtest::WaitForWindow(nullptr, L"#32770", GetCurrentProcessId());
        if (!box) return;
        kvtest::WaitUntil([&] { return kvtest::FindControl(box, IDOK) != nullptr; });
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (kvtest::GetText(child) == text) seen = text;
        kvtest::ClickButton(box, IDOK);
    });
    EXPECT_EQ(ShowInfoMessage(text), IDOK);
    driver.join();
    EXPECT_EQ(seen, text);
}

} // namespace
