#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "automation.h"
#include "notices/input_box.h"
#include "notices/notices_res.h"

namespace {

struct Seen {
    std::wstring prompt, value;
    bool editHasFocus = false;
};

// Runs the box on this thread; another thread reads it, types text and presses a button.
INT_PTR RunInputBox(CInputBox& box, const wchar_t* expectedCaption, const std::wstring& typed,
                    int button, Seen& seen, const std::wstring& screenshot = {}) {
    std::thread driver([&] {
        HWND dialog = kvtest::WaitForWindow(expectedCaption, L"#32770", GetCurrentProcessId());
        if (!dialog) return;
        HWND edit = kvtest::FindControl(dialog, IDC_INPUT_VALUE);
        seen.prompt = kvtest::GetText(kvtest::FindControl(dialog, IDC_INPUT_PROMPT));
        seen.value = kvtest::GetText(edit);
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        kvtest::WaitUntil(
            [&] {
                return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) &&
                       info.hwndFocus == edit;
            },
            3000);
        seen.editHasFocus = info.hwndFocus == edit;
        if (!screenshot.empty()) kvtest::SaveWindowPng(dialog, screenshot);
        kvtest::SetText(edit, typed);
        kvtest::ClickButton(dialog, button);
    });
    INT_PTR result = box.DoModal(nullptr);
    driver.join();
    return result;
}

TEST(CInputBox, ShowsCaptionPromptAndValueAndReturnsTheText) {
    CInputBox box;
    box.caption = L"Add photo frame";
    box.prompt = L"Please specify a name for the photo frame:";
    box.value = L"sunset";
    Seen seen;
    INT_PTR result = RunInputBox(box, L"Add photo frame", L"Sunset at the lake", IDOK, seen,
                                 kvtest::OutDir() + L"\\gallery\\notices\\input-box.png");
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(seen.prompt, L"Please specify a name for the photo frame:");
    EXPECT_EQ(seen.value, L"sunset");
    EXPECT_TRUE(seen.editHasFocus);
    EXPECT_EQ(box.value, L"Sunset at the lake");
}

TEST(CInputBox, KeepsItsOwnCaptionAndCancelKeepsTheValue) {
    CInputBox box;
    box.prompt = L"Name:";
    box.value = L"before";
    Seen seen;
    EXPECT_EQ(RunInputBox(box, L"Input box", L"typed", IDCANCEL, seen), IDCANCEL);
    EXPECT_EQ(seen.prompt, L"Name:");
    EXPECT_EQ(box.value, L"before");
}

} // namespace
