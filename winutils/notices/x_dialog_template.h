// A dialog built in memory: controls placed in pixels, run modally with the message font.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/handles.h"

class CXDialogTemplate {
  public:
    static constexpr size_t kMaxItems = 20;
    static constexpr size_t kMaxText = 65535;
    static constexpr size_t kMaxItemText = 1023;
    // Identifier of the check box; its state is added to the result as kDontTellAgainFlag.
    static constexpr WORD kCheckBoxId = 5555;

    struct Item {
        WORD atom; // 0x80 button, 0x82 static
        DWORD style;
        WORD id;
        RECT pixels; // client coordinates
        std::wstring text;
    };

    CXDialogTemplate(HWND owner, std::wstring_view caption, HFONT font, HICON icon);

    // False once the dialog holds kMaxItems controls.
    bool AddItem(WORD atom, DWORD style, WORD id, const RECT& pixels, std::wstring_view text);
    void SetClientSize(int width, int height);

    // The template as the dialog manager reads it (sizes in dialog units).
    std::vector<WORD> Build() const;
    // 1 for OK or Escape, plus the flag when the check box was ticked; 2 when the dialog could
    // not be made.
    int DoModal();

  private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInit(HWND dialog);

    HWND owner_;
    std::wstring caption_;
    HFONT font_;
    HICON icon_;
    std::vector<Item> items_;
    SIZE client_ = {};
};
