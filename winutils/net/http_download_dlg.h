// The small modal dialog that shows one HTTP transfer's progress while a worker thread runs it.
#pragma once
#include <windows.h>

#include <cstdint>

#include "common/handles.h"
#include "net/transfer_shared.h"

class CHttpDownloadDlg {
  public:
    explicit CHttpDownloadDlg(HttpRequestFields request);
    CHttpDownloadDlg(const CHttpDownloadDlg&) = delete;
    CHttpDownloadDlg& operator=(const CHttpDownloadDlg&) = delete;
    ~CHttpDownloadDlg();

    // Runs the dialog over owner until the transfer ends: IDOK when the body arrived completely,
    // IDCANCEL on failure or Cancel, -1 when the dialog could not be shown. The worker has ended
    // when this returns.
    INT_PTR DoModal(HWND owner);

    int Status() const { return shared_.status; }
    std::uint64_t LastModified() const { return shared_.lastModified; }

  private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static DWORD WINAPI WorkerMain(void* self);
    BOOL OnInitDialog(HWND dialog);
    void OnCancel();
    void JoinWorker();

    HttpRequestFields request_;
    TransferShared shared_;
    HWND owner_ = nullptr;
    bool cancelling_ = false; // Cancel is waiting for the worker
    UniqueHandle done_;       // auto-reset, signalled when the worker ends
    UniqueHandle worker_;
};
