// The platform's explorer-style open-file dialog driven through the automation helpers.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>
#include <vector>

#include "automation.h"

namespace {

TEST(OpenFileDialog, SelectsAFileAndPressesOpen) {
    std::wstring folder = kvtest::MakeTempDir(L"openfile");
    for (const wchar_t* name : {L"first photo.jpg", L"second.png"}) {
        FILE* f = _wfopen((folder + L"\\" + name).c_str(), L"wb");
        ASSERT_NE(f, nullptr);
        std::fputs("x", f);
        std::fclose(f);
    }
    std::vector<wchar_t> file(MAX_PATH, L'\0');
    OPENFILENAMEW request = {};
    request.lStructSize = sizeof(request);
    request.lpstrFilter = L"All files\0*.*\0";
    request.lpstrFile = file.data();
    request.nMaxFile = MAX_PATH;
    request.lpstrInitialDir = folder.c_str();
    request.lpstrTitle = L"Choose a photo";
    request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;

    std::thread driver([] {
        HWND dialog = kvtest::WaitForWindow(L"Choose a photo", L"#32770", GetCurrentProcessId());
        ASSERT_NE(dialog, nullptr);
        HWND name = kvtest::FindControl(dialog, cmb13);
        if (HWND edit = name ? kvtest::FindChildByClass(name, L"Edit") : nullptr) name = edit;
        if (!name) name = kvtest::FindControl(dialog, edt1);
        ASSERT_NE(name, nullptr);
        kvtest::SetText(name, L"first photo.jpg");
        kvtest::SaveWindowPng(dialog, kvtest::OutDir() + L"\\tests\\open-file-dialog.png");
        kvtest::ClickButton(dialog, IDOK);
    });
    BOOL ok = GetOpenFileNameW(&request);
    driver.join();
    ASSERT_TRUE(ok);
    EXPECT_EQ(_wcsicmp(file.data(), (folder + L"\\first photo.jpg").c_str()), 0) << file.data();
}

}  // namespace
