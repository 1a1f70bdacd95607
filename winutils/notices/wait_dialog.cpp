#include <windows.h>

#include "notices/wait_dialog.h"

#include "frame/activation_context.h"
#include "frame/app.h"
#include "lang/translate.h"
#include "lang/window_translate.h"
#include "notices/notices_res.h"

namespace {

void CenterOn(HWND window, HWND owner) {
    RECT area;
    if (!owner || !IsWindowVisible(owner) || IsIconic(owner) || !GetWindowRect(owner, &area))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT rc;
    GetWindowRect(window, &rc);
    int width = rc.right - rc.left, height = rc.bottom - rc.top;
    int left = area.left + (area.right - area.left - width) / 2;
    int top = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

CWaitMsgDlg::~CWaitMsgDlg() {
    Destroy();
}

INT_PTR CALLBACK CWaitMsgDlg::DialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        HWND icon = GetDlgItem(dialog, IDC_WAIT_ICON);
        // Shared: the system frees it with the module.
        auto image = static_cast<HICON>(LoadImageW(ThisModule(), MAKEINTRESOURCEW(IDI_WAIT_MSG),
                                                   IMAGE_ICON, 16, 16, LR_SHARED));
        SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(image), 0);
        SetWindowPos(icon, nullptr, 4, 10, 16, 16, SWP_NOZORDER | SWP_NOACTIVATE);
        TranslateWindowTree(dialog);
        return FALSE;
    }
    case WM_NCDESTROY:
        // The owner may take the window with it; the next text creates a new one.
        if (auto* self = reinterpret_cast<CWaitMsgDlg*>(GetWindowLongPtrW(dialog, DWLP_USER)))
            self->window_ = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

bool CWaitMsgDlg::Create(HWND owner) {
    CActivationScope controls;
    window_ = CreateDialogParamW(ThisModule(), MAKEINTRESOURCEW(IDD_WAIT_MSG), owner, DialogProc,
                                 reinterpret_cast<LPARAM>(this));
    return window_ != nullptr;
}

void CWaitMsgDlg::FitToText(const std::wstring& text) {
    HWND label = GetDlgItem(window_, IDC_WAIT_TEXT);
    SetWindowTextW(label, text.c_str());
    HDC dc = GetDC(label);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    RECT rc;
    GetWindowRect(label, &rc);
    SetWindowPos(label, nullptr, 0, 0, size.cx, rc.bottom - rc.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(window_, &rc);
    SetWindowPos(window_, nullptr, 0, 0, size.cx + 40, rc.bottom - rc.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWaitMsgDlg::Show(std::wstring_view text, HWND owner) {
    if (window_ && !IsWindow(window_)) window_ = nullptr;
    if (!window_ && !Create(owner)) return;
    if (text.empty()) {
        ShowWindow(window_, SW_HIDE);
        return;
    }
    if (owner && GetWindow(window_, GW_OWNER) != owner)
        SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    FitToText(TranslateText(text));
    CenterOn(window_, owner);
    // Shown without taking the focus from the busy dialog; painted now, as the thread is about
    // to be busy.
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CWaitMsgDlg::Destroy() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
}

CWaitMsgDlg& WaitMsgDlg() {
    static CWaitMsgDlg dialog;
    return dialog;
}

void ShowWaitText(std::wstring_view text, HWND owner) {
    WaitMsgDlg().Show(text, owner);
}
