#include <windows.h>

#include "notices/x_dialog_template.h"

#include <algorithm>

#include "notices/message_box.h"

namespace {

void PushString(std::vector<WORD>& out, std::wstring_view text) {
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

void AlignToDword(std::vector<WORD>& out) {
    if (out.size() % 2) out.push_back(0);
}

// Pixels to dialog units of the system's dialog base units.
short UnitsX(LONG pixels) {
    return static_cast<short>(MulDiv(pixels, 4, LOWORD(GetDialogBaseUnits())));
}
short UnitsY(LONG pixels) {
    return static_cast<short>(MulDiv(pixels, 8, HIWORD(GetDialogBaseUnits())));
}

void CenterOver(HWND window, HWND owner) {
    RECT area;
    if (!owner || IsIconic(owner) || !GetWindowRect(owner, &area))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT rc;
    GetWindowRect(window, &rc);
    int width = rc.right - rc.left, height = rc.bottom - rc.top;
    int left = area.left + (area.right - area.left - width) / 2;
    int top = area.top + (area.bottom - area.top - height) / 2;
    // Keep the whole box on the screen even for an owner near its edge.
    RECT screen;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    left = std::max<LONG>(screen.left, std::min<LONG>(left, screen.right - width));
    top = std::max<LONG>(screen.top, std::min<LONG>(top, screen.bottom - height));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

CXDialogTemplate::CXDialogTemplate(HWND owner, std::wstring_view caption, HFONT font, HICON icon)
    : owner_(owner), caption_(caption.substr(0, kMaxText)), font_(font), icon_(icon) {}

bool CXDialogTemplate::AddItem(WORD atom, DWORD style, WORD id, const RECT& pixels,
                               std::wstring_view text) {
    if (items_.size() >= kMaxItems) return false;
    size_t limit = atom == 0x82 && !(style & SS_ICON) ? kMaxText : kMaxItemText;
    items_.push_back(Item{atom, style, id, pixels, std::wstring(text.substr(0, limit))});
    return true;
}

void CXDialogTemplate::SetClientSize(int width, int height) {
    client_ = SIZE{width, height};
}

std::vector<WORD> CXDialogTemplate::Build() const {
    std::vector<WORD> out;
    DLGTEMPLATE header = {};
    header.style =
        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT;
    header.cdit = static_cast<WORD>(items_.size());
    header.cx = UnitsX(client_.cx);
    header.cy = UnitsY(client_.cy);
    const auto* raw = reinterpret_cast<const WORD*>(&header);
    out.insert(out.end(), raw, raw + sizeof(header) / sizeof(WORD));
    out.push_back(0); // no menu
    out.push_back(0); // standard dialog class
    PushString(out, caption_);
    LOGFONTW face = {};
    GetObjectW(font_, sizeof(face), &face);
    HDC screen = GetDC(nullptr);
    int points = MulDiv(face.lfHeight < 0 ? -face.lfHeight : face.lfHeight, 72,
                        GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    out.push_back(static_cast<WORD>(points > 0 ? points : 8));
    PushString(out, face.lfFaceName);
    for (const Item& item : items_) {
        AlignToDword(out);
        DLGITEMTEMPLATE entry = {};
        entry.style = item.style | WS_CHILD | WS_VISIBLE;
        entry.x = UnitsX(item.pixels.left);
        entry.y = UnitsY(item.pixels.top);
        entry.cx = UnitsX(item.pixels.right - item.pixels.left);
        entry.cy = UnitsY(item.pixels.bottom - item.pixels.top);
        entry.id = item.id;
        raw = reinterpret_cast<const WORD*>(&entry);
        out.insert(out.end(), raw, raw + sizeof(entry) / sizeof(WORD));
        out.push_back(0xFFFF);
        out.push_back(item.atom);
        PushString(out, item.text);
        out.push_back(0); // no creation data
    }
    return out;
}

int CXDialogTemplate::DoModal() {
    std::vector<WORD> data;
    try {
        data = Build();
    } catch (...) {
        return 2;
    }
    MessageBeep(MB_ICONINFORMATION);
    INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<DLGTEMPLATE*>(data.data()), owner_,
                                             DialogProc, reinterpret_cast<LPARAM>(this));
    return result == -1 ? 2 : static_cast<int>(result);
}

void CXDialogTemplate::OnInit(HWND dialog) {
    // The template's units are only approximate for the message font: place everything in
    // pixels, as laid out.
    RECT frame = {0, 0, client_.cx, client_.cy};
    AdjustWindowRectEx(&frame, GetWindowLongW(dialog, GWL_STYLE), FALSE,
                       GetWindowLongW(dialog, GWL_EXSTYLE));
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Item& item : items_) {
        HWND control = GetDlgItem(dialog, item.id);
        if (!control) continue;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (item.style & SS_ICON)
            SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
        SetWindowPos(control, nullptr, item.pixels.left, item.pixels.top,
                     item.pixels.right - item.pixels.left, item.pixels.bottom - item.pixels.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CenterOver(dialog, owner_);
}

INT_PTR CALLBACK CXDialogTemplate::DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<CXDialogTemplate*>(lParam)->OnInit(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            bool ticked = IsDlgButtonChecked(dialog, kCheckBoxId) == BST_CHECKED;
            EndDialog(dialog, IDOK | (ticked ? kDontTellAgainFlag : 0));
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            // Escape and the close box leave the choice alone.
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
