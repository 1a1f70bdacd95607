// The process-wide wait window: one line of text while the user-interface thread is busy.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

class CWaitMsgDlg {
  public:
    CWaitMsgDlg() = default;
    CWaitMsgDlg(const CWaitMsgDlg&) = delete;
    CWaitMsgDlg& operator=(const CWaitMsgDlg&) = delete;
    ~CWaitMsgDlg();

    // Creates the window on first use; an empty text hides it.
    void Show(std::wstring_view text, HWND owner);
    void Destroy();
    HWND Window() const { return window_; }

  private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    bool Create(HWND owner);
    void FitToText(const std::wstring& text);

    HWND window_ = nullptr;
};

// The library's single wait window.
CWaitMsgDlg& WaitMsgDlg();

// Shows text (translated) in the wait window centred on owner; an empty text hides it.
void ShowWaitText(std::wstring_view text, HWND owner);
