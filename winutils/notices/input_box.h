// A modal box asking for one line of text.
#pragma once
#include <windows.h>

#include <string>

class CInputBox {
  public:
    // Empty caption keeps the template's "Input box".
    std::wstring caption;
    std::wstring prompt;
    // In: the initial text; out: the entered text after OK.
    std::wstring value;

    // IDOK or IDCANCEL (-1 when the box could not be created).
    INT_PTR DoModal(HWND owner);

  private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInit(HWND dialog);
};
