#include <windows.h>
#include <commctrl.h>

#include "net/http_download_dlg.h"

#include <utility>

#include "common/wait.h"
#include "frame/app.h"
#include "lang/window_translate.h"
#include "net/net_res.h"

namespace {

// Posted by the worker when it ends on its own; wParam is the dialog's result.
const UINT WM_TRANSFER_ENDED = WM_APP + 1;

void CenterOver(HWND dialog, HWND owner) {
    RECT box = {};
    GetWindowRect(dialog, &box);
    HMONITOR monitor = MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(monitor, &info);
    RECT area = info.rcWork;
    RECT around = area;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
    LONG width = box.right - box.left;
    LONG height = box.bottom - box.top;
    LONG x = (around.left + around.right - width) / 2;
    LONG y = (around.top + around.bottom - height) / 2;
    // Keep it whole on the owner's monitor.
    if (x + width > area.right) x = area.right - width;
    if (y + height > area.bottom) y = area.bottom - height;
    if (x < area.left) x = area.left;
    if (y < area.top) y = area.top;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

CHttpDownloadDlg::CHttpDownloadDlg(HttpRequestFields request) : request_(std::move(request)) {}

CHttpDownloadDlg::~CHttpDownloadDlg() {
    JoinWorker();
}

INT_PTR CHttpDownloadDlg::DoModal(HWND owner) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    done_.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!done_) return -1;
    owner_ = owner;
    INT_PTR result = DialogBoxParamW(ThisModule(), MAKEINTRESOURCEW(IDD_HTTP_DOWNLOAD), owner,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    // Normally over already; when the dialog went away some other way, stop the worker soon.
    shared_.cancelRequested = true;
    JoinWorker();
    shared_.dialog = nullptr;
    return result;
}

INT_PTR CALLBACK CHttpDownloadDlg::DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return reinterpret_cast<CHttpDownloadDlg*>(lParam)->OnInitDialog(dialog);
    }
    auto* self = reinterpret_cast<CHttpDownloadDlg*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            self->OnCancel();
            return TRUE;
        }
        break;
    case WM_TRANSFER_ENDED:
        if (!self->cancelling_) EndDialog(dialog, static_cast<INT_PTR>(wParam));
        return TRUE;
    }
    return FALSE;
}

BOOL CHttpDownloadDlg::OnInitDialog(HWND dialog) {
    shared_.dialog = dialog;
    shared_.progress = GetDlgItem(dialog, IDC_DOWNLOAD_PROGRESS);
    TranslateWindowTree(dialog);
    const std::wstring& caption = request_.title.empty() ? request_.url : request_.title;
    SetWindowTextW(dialog, caption.c_str());
    CenterOver(dialog, owner_ ? owner_ : GetParent(dialog));
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
    worker_.reset(CreateThread(nullptr, 0, WorkerMain, this, CREATE_SUSPENDED, nullptr));
    if (!worker_) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    SetThreadPriority(worker_.get(), THREAD_PRIORITY_BELOW_NORMAL);
    ResumeThread(worker_.get());
    return TRUE;
}

DWORD WINAPI CHttpDownloadDlg::WorkerMain(void* param) {
    auto* self = static_cast<CHttpDownloadDlg*>(param);
    bool ok = RunHttpTransfer(self->request_, self->shared_);
    HWND dialog = self->shared_.dialog;
    bool cancelled = self->shared_.cancelRequested;
    SetEvent(self->done_.get());
    // Cancel closes the dialog itself once it has seen the event.
    if (!cancelled) PostMessageW(dialog, WM_TRANSFER_ENDED, ok ? IDOK : IDCANCEL, 0);
    return 0;
}

void CHttpDownloadDlg::OnCancel() {
    // A second Cancel (Escape while waiting) would wait for an event already consumed.
    if (cancelling_) return;
    cancelling_ = true;
    shared_.cancelRequested = true;
    // Already ended, or ends after its current read; its progress messages keep being served.
    if (worker_) WaitWithMessagePump(done_.get());
    EndDialog(shared_.dialog, IDCANCEL);
}

void CHttpDownloadDlg::JoinWorker() {
    if (!worker_) return;
    WaitForSingleObject(worker_.get(), INFINITE);
    worker_.reset();
}
