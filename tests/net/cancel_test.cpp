// Cancel pressed in the progress dialog while the server sends its body slowly.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "automation.h"
#include "net/http_transfer.h"
#include "net/net_res.h"
#include "net_test_support.h"

namespace {

// The server sends 2048 bytes (one read) every 300 ms.
const std::uint64_t kPieceBytes = 2048;

DWORD_PTR ProgressPosition(HWND bar) {
    DWORD_PTR position = 0;
    SendMessageTimeoutW(bar, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 1000, &position);
    return position;
}

TEST(CancelTransfer, StopsAfterTheCurrentReadAndKeepsTheDestination) {
    std::wstring base = nettest::ServerBase();
    ASSERT_FALSE(base.empty()) << "run through ctest: the net_server fixture starts the server";
    std::wstring url = base + L"/fault/slow?pieces=40";
    const struct {
        std::wstring title;
        std::wstring caption;
        DWORD_PTR pressAt; // progress position when Cancel is pressed
        bool screenshot;
    } cases[] = {
        {L"Downloading photo frames...", L"Downloading photo frames...", 10 * kPieceBytes, true},
        {L"", url, 2 * kPieceBytes, false},
    };
    std::wstring destination = kvtest::MakeTempDir(L"net-cancel") + L"\\picked.zip";
    for (const auto& c : cases) {
        nettest::WriteBytes(destination, "previous");
        nettest::ForgetServerState(L"slow-pieces.txt");
        std::atomic<DWORD> pressedAt{0};
        std::atomic<bool> closedEarly{false};
        std::thread presser([&] {
            HWND dialog =
                kvtest::WaitForWindow(c.caption.c_str(), L"#32770", GetCurrentProcessId());
            if (!dialog) return;
            HWND bar = GetDlgItem(dialog, IDC_DOWNLOAD_PROGRESS);
            HWND cancel = GetDlgItem(dialog, IDCANCEL);
            if (!kvtest::WaitUntil([&] { return ProgressPosition(bar) >= c.pressAt; }, 20000))
                return;
            if (c.screenshot)
                kvtest::SaveWindowPng(dialog,
                                      kvtest::OutDir() + L"\\gallery\\net\\http_download.png");
            if (!IsWindow(dialog)) {
                closedEarly = true;
                return;
            }
            pressedAt = GetTickCount();
            PostMessageW(cancel, BM_CLICK, 0, 0);
        });
        bool ok = HttpTransfer(nullptr, url, destination, c.title, L"", kTransferViaTempFile, 0,
                               nullptr, L"", L"", L"");
        DWORD returnedAt = GetTickCount();
        presser.join();
        ASSERT_FALSE(closedEarly);
        ASSERT_NE(pressedAt.load(), 0u) << "the dialog or its progress never showed";
        EXPECT_FALSE(ok);
        // One read takes 300 ms; the answer comes well within a second after it.
        EXPECT_LT(returnedAt - pressedAt, 1300u);
        EXPECT_EQ(nettest::ReadBytes(destination), "previous");
        EXPECT_FALSE(nettest::FileExists(nettest::TempDownloadPath()));
        // The server notices the closed connection long before its 40 pieces are out.
        ASSERT_TRUE(kvtest::WaitUntil([] { return nettest::ServerStateExists(L"slow-pieces.txt"); },
                                      15000));
        EXPECT_LT(std::stoi(nettest::ServerState(L"slow-pieces.txt")), 30);
    }
}

} // namespace
