#include <windows.h>

#include <gtest/gtest.h>

#include "automation.h"
#include "common/wait.h"
#include "notices/notices_res.h"
#include "notices/wait_dialog.h"
#include "test_window.h"

namespace {

int Width(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return rc.right - rc.left;
}

POINT Centre(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

TEST(ShowWaitText, ResizesOneTopmostWindowToItsTextsAndHidesIt) {
    TestWindow owner(L"Photoloft", 700, 500);
    ShowWaitText(L"Finalizing photos...", owner.hwnd());
    HWND window = WaitMsgDlg().Window();
    ASSERT_TRUE(window);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(kvtest::GetText(window), L"Tarnwick Korvane");
    HWND label = GetDlgItem(window, IDC_WAIT_TEXT);
    EXPECT_EQ(kvtest::GetText(label), L"Finalizing photos...");
    int shortWidth = Width(window);
    EXPECT_EQ(shortWidth, Width(label) + 40);
    POINT a = Centre(window), b = Centre(owner.hwnd());
    EXPECT_NEAR(a.x, b.x, 1);
    EXPECT_NEAR(a.y, b.y, 1);

    HWND icon = GetDlgItem(window, IDC_WAIT_ICON);
    EXPECT_TRUE(SendMessageW(icon, STM_GETICON, 0, 0));
    RECT iconRect;
    GetWindowRect(icon, &iconRect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&iconRect), 2);
    EXPECT_EQ(iconRect.left, 4);
    EXPECT_EQ(iconRect.top, 10);
    EXPECT_EQ(iconRect.right - iconRect.left, 16);
    kvtest::SaveWindowPng(window, kvtest::OutDir() + L"\\gallery\\notices\\wait-window.png");

    ShowWaitText(L"Loading photos (3 out of 12), please wait while they are read...", owner.hwnd());
    EXPECT_EQ(WaitMsgDlg().Window(), window);
    EXPECT_GT(Width(window), shortWidth + 100);
    EXPECT_EQ(Width(window), Width(label) + 40);
    EXPECT_TRUE(IsWindowVisible(window));

    ShowWaitText(L"", owner.hwnd());
    EXPECT_EQ(WaitMsgDlg().Window(), window);
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST(ShowWaitText, ComesBackAfterItsOwnerIsGone) {
    {
        TestWindow first(L"First owner", 300, 200);
        ShowWaitText(L"Working...", first.hwnd());
        ASSERT_TRUE(IsWindowVisible(WaitMsgDlg().Window()));
    }
    TestWindow second(L"Second owner", 300, 200);
    ShowWaitText(L"Still working...", second.hwnd());
    HWND window = WaitMsgDlg().Window();
    ASSERT_TRUE(window);
    EXPECT_TRUE(IsWindowVisible(window));
    ShowWaitText(L"", nullptr);
}

TEST(ShowWaitMessage, SwitchesBetweenHourglassAndArrow) {
    TestWindow owner(L"Busy", 300, 200);
    ShowWaitMessage(L"Finalizing photos...", owner.hwnd());
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_TRUE(IsWindowVisible(WaitMsgDlg().Window()));
    ShowWaitMessage(L"", owner.hwnd());
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_FALSE(IsWindowVisible(WaitMsgDlg().Window()));
}

} // namespace
