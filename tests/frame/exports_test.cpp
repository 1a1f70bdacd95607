// The library as the host sees it: loaded from the runtime folder and called through its exports.
#include <windows.h>
#include <commdlg.h>

#include "common/proc_address.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "automation.h"

namespace {

class LibraryExports : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        library_ = LoadLibraryW((kvtest::RuntimeDir() + L"\\KVRWinUtils.dll").c_str());
        ASSERT_NE(library_, nullptr);
        setSettings_ = GetProcAs<void(WINAPI*)(const wchar_t*)>(library_, "SetSettings");
        getSettings_ = GetProcAs<int(WINAPI*)(wchar_t*)>(library_, "GetSettings");
        showUpload_ = GetProcAs<BOOL(WINAPI*)(OPENFILENAMEW*)>(library_, "ShowUploadFileDialog");
        ASSERT_TRUE(setSettings_ && getSettings_ && showUpload_);
    }
    static void TearDownTestSuite() { FreeLibrary(library_); }

    static std::wstring Settings() {
        int length = getSettings_(nullptr);
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2, L'#');
        EXPECT_EQ(getSettings_(buffer.data()), length);
        EXPECT_EQ(buffer[length], L'\0');
        EXPECT_EQ(buffer[length + 1], L'#');  // nothing written past the terminator
        return std::wstring(buffer.data(), static_cast<size_t>(length));
    }

    static inline HMODULE library_;
    static inline void(WINAPI* setSettings_)(const wchar_t*);
    static inline int(WINAPI* getSettings_)(wchar_t*);
    static inline BOOL(WINAPI* showUpload_)(OPENFILENAMEW*);
};

TEST_F(LibraryExports, SettingsTextRoundTrip) {
    EXPECT_EQ(getSettings_(nullptr), 0);  // empty at load
    const std::wstring text = L"[General]\nurl=https://example.org/\u00E9t\u00E9\nEmoji=\U0001F600\n";
    setSettings_(text.c_str());
    EXPECT_EQ(getSettings_(nullptr), static_cast<int>(text.size()));
    EXPECT_EQ(Settings(), text);
    setSettings_(nullptr);
    EXPECT_EQ(getSettings_(nullptr), 0);
    EXPECT_EQ(Settings(), L"");
}

TEST_F(LibraryExports, ClassicRequestGetsThePlatformDialogAndDropsTheLeadingLineFeed) {
    setSettings_(L"\n[General]\nurl=http://example.com/\n");
    std::wstring folder = kvtest::MakeTempDir(L"exports");
    std::vector<wchar_t> file(MAX_PATH, L'\0');
    OPENFILENAMEW request = {};
    request.lStructSize = sizeof(request);
    request.lpstrFile = file.data();
    request.nMaxFile = MAX_PATH;
    request.lpstrInitialDir = folder.c_str();
    request.lpstrTitle = L"Classic upload";
    request.Flags = OFN_HIDEREADONLY | OFN_ENABLEHOOK;  // a hook keeps the dialog classic
    request.lpfnHook = [](HWND, UINT, WPARAM, LPARAM) -> UINT_PTR { return 0; };

    std::thread cancel([] {
        HWND dialog = kvtest::WaitForWindow(L"Classic upload", L"#32770", GetCurrentProcessId());
        if (dialog) kvtest::ClickButton(dialog, IDCANCEL);
    });
    EXPECT_FALSE(showUpload_(&request));
    cancel.join();
    EXPECT_EQ(Settings(), L"[General]\nurl=http://example.com/\n");
}

}  // namespace
