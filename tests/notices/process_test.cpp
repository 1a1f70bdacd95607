#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "automation.h"
#include "common/process.h"
#include "common/wait.h"

namespace {

std::wstring HelperProgram() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\')) + L"\\exit_after.exe";
}

TEST(PrepareLaunch, MakesMailAddressesAndSplitsCommands) {
    std::wstring folder = kvtest::MakeTempDir(L"launch");
    std::wstring document = folder + L"\\a photo.txt";
    std::ofstream(std::filesystem::path(document)) << "x";
    struct Case {
        std::wstring target, file, parameters, folder;
    } cases[] = {
        {L"  someone@example.com ", L"mailto:someone@example.com", L"", L""},
        {L"MAILTO:someone@example.com", L"MAILTO:someone@example.com", L"", L""},
        {L"cmd.exe /c copy a b", L"cmd.exe", L"/c copy a b", L""},
        // An existing file keeps its blanks and runs in its own folder.
        {document, document, L"", folder},
        {L"\"" + document + L"\" /p", document, L"/p", folder},
        {L"www.example.com", L"www.example.com", L"", L""},
    };
    for (const Case& c : cases) {
        LaunchRequest request = PrepareLaunch(c.target, L"");
        EXPECT_EQ(request.file, c.file) << kvtest::Utf8(c.target);
        EXPECT_EQ(request.parameters, c.parameters) << kvtest::Utf8(c.target);
        EXPECT_EQ(request.folder, c.folder) << kvtest::Utf8(c.target);
    }
    EXPECT_EQ(PrepareLaunch(document, L"C:\\elsewhere").folder, L"C:\\elsewhere");
}

TEST(ClassifyTarget, TellsKindsOfTargetApart) {
    struct Case {
        std::wstring target;
        int kind;
        std::wstring after;
    } cases[] = {
        {L"", kServiceUnknown, L""},
        {L"www.example.com", kServiceHttp, L"http://www.example.com"},
        {L"http://example.com/a?b=1", kServiceHttp, L"http://example.com/a?b=1"},
        {L"https://example.com/", kServiceHttps, L"https://example.com/"},
        {L"ftp://files.example.com/x.zip", kServiceFtp, L"ftp://files.example.com/x.zip"},
        {L"C:\\photos\\a.jpg", kServiceFile, L"C:\\photos\\a.jpg"},
        {L"\\\\server\\share\\a.jpg", kServiceFile, L"\\\\server\\share\\a.jpg"},
        {L"file:///C:/photos/a.jpg", kServiceFile, L"file:///C:/photos/a.jpg"},
        {L"NNTP://news.example.com/group", kServiceNntp, L"NNTP://news.example.com/group"},
        {L"telnet://host.example.com", kServiceTelnet, L"telnet://host.example.com"},
        {L"notes", kServiceUnknown, L"notes"},
    };
    for (const Case& c : cases) {
        std::wstring target = c.target;
        EXPECT_EQ(ClassifyTarget(target), c.kind) << kvtest::Utf8(c.target);
        EXPECT_EQ(target, c.after);
    }
}

TEST(GetElevationType, AnswersAKnownTokenType) {
    int type = GetElevationType();
    EXPECT_TRUE(type == 1 || type == 2 || type == 3) << type;
}

// A window of the calling thread that notes when it was last answered.
struct ResponsiveWindow {
    static inline std::atomic<bool> answered{false};
    HWND hwnd = nullptr;
    ResponsiveWindow() {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_APP) {
                answered = true;
                return 42;
            }
            return DefWindowProcW(h, m, w, l);
        };
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KvResponsive";
        RegisterClassW(&wc);
        answered = false;
        hwnd = CreateWindowW(L"KvResponsive", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                             wc.hInstance, nullptr);
    }
    ~ResponsiveWindow() { DestroyWindow(hwnd); }
};

// Sends to the window from another thread while the caller is busy; true when it answered.
std::thread Prober(HWND hwnd, const std::atomic<bool>& callerDone, std::atomic<bool>& duringWait) {
    return std::thread([hwnd, &callerDone, &duringWait] {
        Sleep(300);
        DWORD_PTR result = 0;
        if (SendMessageTimeoutW(hwnd, WM_APP, 0, 0, SMTO_NORMAL, 5000, &result) && result == 42)
            duringWait = !callerDone;
    });
}

TEST(LaunchProcess, ReturnsTheExitCodeWhileTheWindowAnswers) {
    ResponsiveWindow window;
    std::atomic<bool> done{false}, duringWait{false};
    std::thread prober = Prober(window.hwnd, done, duringWait);
    int code = 0;
    bool started = LaunchProcess(L"\"" + HelperProgram() + L"\" 2000 7", L"", false, &code);
    done = true;
    prober.join();
    EXPECT_TRUE(started);
    EXPECT_EQ(code, 7);
    EXPECT_TRUE(duringWait) << "the window did not answer during the wait";

    code = 99;
    EXPECT_TRUE(LaunchProcess(L" \"" + HelperProgram() + L"\" 0 0 ", L"", false, &code));
    EXPECT_EQ(code, 0);
}

TEST(LaunchProcess, FailsForAMissingProgram) {
    int code = 5;
    EXPECT_FALSE(LaunchProcess(L"C:\\no\\such\\program.exe /x", L"", false, &code));
    EXPECT_FALSE(LaunchProcess(L"", L"", false, nullptr));
}

TEST(WaitWithMessagePump, ReturnsOnAnAutoResetEventAndDispatches) {
    ResponsiveWindow window;
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::atomic<bool> done{false}, duringWait{false};
    std::thread prober = Prober(window.hwnd, done, duringWait);
    std::thread setter([event] {
        Sleep(1500);
        SetEvent(event);
    });
    EXPECT_TRUE(WaitWithMessagePump(event));
    done = true;
    setter.join();
    prober.join();
    EXPECT_TRUE(duringWait);
    CloseHandle(event);
    EXPECT_FALSE(WaitWithMessagePump(nullptr));
}

// A message already in the queue when the wait begins (the caller's own loop has looked at the
// queue since it arrived) is still handled during the wait, not after it.
TEST(WaitWithMessagePump, HandlesMessagesQueuedBeforeTheWait) {
    ResponsiveWindow window;
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    PostMessageW(window.hwnd, WM_APP, 0, 0);
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_USER + 7, WM_USER + 7, PM_NOREMOVE);
    std::thread setter([event] {
        Sleep(1000);
        SetEvent(event);
    });
    EXPECT_TRUE(WaitWithMessagePump(event));
    bool handledDuringWait = ResponsiveWindow::answered;
    setter.join();
    CloseHandle(event);
    EXPECT_TRUE(handledDuringWait) << "the queued message waited for the end of the wait";
}

TEST(FindMenuItemByText, IgnoresAcceleratorMarksAndCase) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"&Open");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, 2, L"Save &As...");
    AppendMenuW(menu, MF_STRING, 3, L"Fish && &Chips");
    AppendMenuW(menu, MF_STRING, 4, L"open");
    struct Case {
        std::wstring text;
        int position;
    } cases[] = {
        {L"Open", 0},          {L"OPEN", 0},
        {L"save as...", 2},    {L"S&ave As...", 2},
        {L"Fish && Chips", 3}, {L"fish && c&hips", 3},
        {L"Fish & Chips", -1}, {L"Fish Chips", -1},
        {L"Close", -1},        {L"", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindMenuItemByText(menu, c.text), c.position) << kvtest::Utf8(c.text);
    DestroyMenu(menu);
}

} // namespace
