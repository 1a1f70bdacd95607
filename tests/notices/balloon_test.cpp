#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "automation.h"
#include "notices/balloon.h"
#include "test_window.h"

namespace {

constexpr wchar_t kAdvanced[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

std::wstring TipText(HWND tip, HWND owner) {
    wchar_t buffer[4000] = {};
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = owner;
    tool.uId = 10001;
    tool.lpszText = buffer;
    SendMessageW(tip, TTM_GETTEXTW, 4000, reinterpret_cast<LPARAM>(&tool));
    return buffer;
}

bool BalloonGone() {
    return BalloonTipWindow() == nullptr;
}

// Pumps messages for a while; the balloon must still be there afterwards.
bool StaysFor(DWORD ms) {
    return !kvtest::WaitUntil(BalloonGone, ms);
}

class BalloonTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window_.Focus());
        // Let the window system finish raising the window, or it may end up above the tip.
        kvtest::WaitUntil([] { return false; }, 300);
    }
    void TearDown() override { HideBalloonMsg(); }
    void Show(const wchar_t* text, int timeout = 0) {
        ShowBalloonMsg(text, window_.edit(), window_.hwnd(), GetModuleHandleW(nullptr), timeout);
    }
    TestWindow window_{L"Balloon test", 520, 320};
};

TEST_F(BalloonTest, PointsAtTheControlAndASecondOneReplacesIt) {
    Show(L"Use this field for the name of the photo frame.");
    HWND first = BalloonTipWindow();
    ASSERT_TRUE(first);
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_TRUE(GetWindowLongW(first, GWL_STYLE) & TTS_BALLOON);
    EXPECT_EQ(TipText(first, window_.hwnd()), L"Use this field for the name of the photo frame.");
    ASSERT_TRUE(FindWindowW(L"XBalloonMsg", nullptr));
    EXPECT_TRUE(StaysFor(500));
    // The owner keeps the activation and the focus.
    EXPECT_EQ(GetForegroundWindow(), window_.hwnd());
    EXPECT_EQ(GetFocus(), window_.edit());
    kvtest::SaveWindowPng(window_.hwnd(), kvtest::OutDir() + L"\\gallery\\notices\\balloon.png");

    Show(L"A second notice.");
    HWND second = BalloonTipWindow();
    ASSERT_TRUE(second);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindowVisible(second));
    EXPECT_EQ(TipText(second, window_.hwnd()), L"A second notice.");
}

TEST_F(BalloonTest, ShiftLeavesItALetterHidesItAndIsTyped) {
    Show(L"Type a name.");
    ASSERT_TRUE(BalloonTipWindow());
    kvtest::SendKeyInput(VK_SHIFT);
    EXPECT_TRUE(StaysFor(700));
    kvtest::SendKeyInput('K');
    EXPECT_TRUE(kvtest::WaitUntil(BalloonGone, 3000));
    EXPECT_TRUE(kvtest::WaitUntil([&] { return kvtest::GetText(window_.edit()) == L"k"; }, 3000))
        << kvtest::Utf8(kvtest::GetText(window_.edit()));
    EXPECT_FALSE(FindWindowW(L"XBalloonMsg", nullptr));
}

TEST_F(BalloonTest, EscapeHidesItWithoutReachingTheControl) {
    Show(L"Press Escape.");
    ASSERT_TRUE(BalloonTipWindow());
    window_.ForgetKeys();
    kvtest::SendKeyInput(VK_ESCAPE);
    EXPECT_TRUE(kvtest::WaitUntil(BalloonGone, 3000));
    kvtest::WaitUntil([] { return false; }, 300);
    EXPECT_FALSE(window_.EditSawKey(VK_ESCAPE));
    // Without a balloon the key reaches the control again.
    kvtest::SendKeyInput(VK_ESCAPE);
    EXPECT_TRUE(kvtest::WaitUntil([&] { return window_.EditSawKey(VK_ESCAPE); }, 3000));
}

TEST_F(BalloonTest, AClickHidesIt) {
    Show(L"Click anywhere.");
    ASSERT_TRUE(BalloonTipWindow());
    RECT rc;
    GetWindowRect(window_.hwnd(), &rc);
    SetCursorPos(rc.left + 40, rc.bottom - 40);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
    EXPECT_TRUE(kvtest::WaitUntil(BalloonGone, 3000));
}

TEST_F(BalloonTest, ATimeoutRemovesIt) {
    Show(L"Gone in a second.", 1);
    ASSERT_TRUE(BalloonTipWindow());
    EXPECT_TRUE(StaysFor(400));
    EXPECT_TRUE(kvtest::WaitUntil(BalloonGone, 4000));
    EXPECT_FALSE(FindWindowW(L"XBalloonMsg", nullptr));
}

TEST_F(BalloonTest, NothingForAnEmptyTextOrAMissingWindow) {
    Show(L"");
    EXPECT_TRUE(BalloonGone());
    ShowBalloonMsg(L"x", nullptr, window_.hwnd(), GetModuleHandleW(nullptr), 0);
    EXPECT_TRUE(BalloonGone());
}

TEST_F(BalloonTest, ARectangularTipAtTheBottomLeftWhenBalloonsAreOff) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kAdvanced, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    DWORD off = 0;
    RegSetValueExW(key, L"EnableBalloonTips", 0, REG_DWORD, reinterpret_cast<BYTE*>(&off),
                   sizeof(off));
    Show(L"Balloons are switched off.");
    HWND tip = BalloonTipWindow();
    RegDeleteValueW(key, L"EnableBalloonTips");
    RegCloseKey(key);
    ASSERT_TRUE(tip);
    EXPECT_FALSE(GetWindowLongW(tip, GWL_STYLE) & TTS_BALLOON);
    EXPECT_TRUE(GetWindowLongW(tip, GWL_STYLE) & TTS_CLOSE);
    RECT control, shown;
    GetWindowRect(window_.edit(), &control);
    GetWindowRect(tip, &shown);
    EXPECT_NEAR(shown.left, control.left, 24);
    EXPECT_NEAR(shown.top, control.bottom, 24);
}

TEST_F(BalloonTest, AnAnchorPointWins) {
    RECT anchor = {300, 300, 310, 310};
    ShowBalloonMsg(L"Here.", window_.edit(), window_.hwnd(), GetModuleHandleW(nullptr), 0, &anchor);
    HWND tip = BalloonTipWindow();
    ASSERT_TRUE(tip);
    RECT shown;
    GetWindowRect(tip, &shown);
    // The stem ends at the anchor: the balloon lies above or below it, across it horizontally.
    EXPECT_LE(shown.left, 300);
    EXPECT_GE(shown.right, 300);
}

} // namespace
