#include <windows.h>

#include "notices/input_box.h"

#include <vector>

#include "frame/activation_context.h"
#include "frame/app.h"
#include "lang/window_translate.h"
#include "notices/notices_res.h"

INT_PTR CInputBox::DoModal(HWND owner) {
    CActivationScope controls;
    return DialogBoxParamW(ThisModule(), MAKEINTRESOURCEW(IDD_INPUT_BOX), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CInputBox::OnInit(HWND dialog) {
    if (!caption.empty()) SetWindowTextW(dialog, caption.c_str());
    SetDlgItemTextW(dialog, IDC_INPUT_PROMPT, prompt.c_str());
    SetDlgItemTextW(dialog, IDC_INPUT_VALUE, value.c_str());
    TranslateWindowTree(dialog);
    HWND edit = GetDlgItem(dialog, IDC_INPUT_VALUE);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

INT_PTR CALLBACK CInputBox::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CInputBox*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<CInputBox*>(lParam)->OnInit(dialog);
        return FALSE; // the focus is already in the edit field
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && self) {
            HWND edit = GetDlgItem(dialog, IDC_INPUT_VALUE);
            std::vector<wchar_t> text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
            GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
            self->value = text.data();
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
