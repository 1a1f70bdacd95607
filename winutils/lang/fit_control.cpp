#include <windows.h>
#include <commctrl.h>

#include "lang/window_translate.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

constexpr int kEditGap = 2;
constexpr int kMinEditWidth = 50;
constexpr int kRowTolerance = 5;

std::wstring ClassOf(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void MoveTo(HWND window, const RECT& rect) {
    MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

// Width and height of a single line of text in the control's font.
SIZE MeasureText(HWND control, std::wstring_view text, UINT flags) {
    SIZE size = {};
    HDC dc = GetDC(control);
    if (!dc) return size;
    HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT rect = {0, 0, 0, 0};
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_SINGLELINE | flags);
    SelectObject(dc, oldFont);
    ReleaseDC(control, dc);
    size.cx = rect.right - rect.left;
    size.cy = rect.bottom - rect.top;
    return size;
}

// Moves the edit field right of the control so that it starts 2 pixels after it, keeping at
// least 50 pixels of it; when that is not possible the control gives way instead.
void PushAway(HWND control, HWND edit) {
    if (!edit) return;
    RECT own = RectInParent(control);
    RECT other = RectInParent(edit);
    if (other.left >= own.right + kEditGap) return;
    other.left = own.right + kEditGap;
    if (other.right - other.left < kMinEditWidth) {
        other.left = other.right - kMinEditWidth;
        own.right = std::max(own.left, other.right - kMinEditWidth - kEditGap);
        MoveTo(control, own);
    }
    MoveTo(edit, other);
}

int IdealButtonWidth(HWND button) {
    if (LOBYTE(LOWORD(GetVersion())) >= 6) {
        SIZE ideal = {};
        if (SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) &&
            ideal.cx > 0)
            return ideal.cx;
    }
    return MeasureText(button, TextOf(button), 0).cx + 20;
}

void FitButton(HWND button) {
    LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE) & 0xFFFF;
    bool choice = style == BS_CHECKBOX || style == BS_AUTOCHECKBOX || style == BS_RADIOBUTTON ||
                  style == BS_AUTORADIOBUTTON;
    if (!choice && style != BS_PUSHBUTTON && style != BS_DEFPUSHBUTTON) return;
    // Found before widening: afterwards the field may lie under the control.
    HWND edit = choice ? FindEditToTheRight(button) : nullptr;
    RECT rect = RectInParent(button);
    int ideal = IdealButtonWidth(button);
    if (rect.right - rect.left < ideal) {
        rect.right = rect.left + ideal;
        MoveTo(button, rect);
    }
    PushAway(button, edit);
}

void FitLabel(HWND label) {
    LONG_PTR style = GetWindowLongPtrW(label, GWL_STYLE);
    switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        break;
    default:
        return; // icons, bitmaps, frames: no text to fit
    }
    UINT flags = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    int textWidth = MeasureText(label, TextOf(label), flags).cx;
    int lineHeight = MeasureText(label, L"abc", 0).cy;
    RECT rect = RectInParent(label);
    bool oneLine = lineHeight * 3 > (rect.bottom - rect.top) * 2;
    if (!oneLine || rect.right - rect.left >= textWidth) return;
    HWND edit = FindEditToTheRight(label);
    rect.right = rect.left + textWidth;
    MoveTo(label, rect);
    PushAway(label, edit);
}

} // namespace

void FitControlToText(HWND control) {
    std::wstring name = ClassOf(control);
    if (name == L"Button")
        FitButton(control);
    else if (name == L"Static")
        FitLabel(control);
}

HWND FindEditToTheRight(HWND control) {
    RECT own = RectInParent(control);
    HWND best = nullptr;
    LONG bestLeft = 0;
    for (HWND sibling = GetWindow(control, GW_HWNDFIRST); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling == control || ClassOf(sibling) != L"Edit") continue;
        RECT other = RectInParent(sibling);
        if (std::abs(other.top - own.top) > kRowTolerance ||
            std::abs(other.bottom - own.bottom) > kRowTolerance || other.left < own.right)
            continue;
        if (!best || other.left < bestLeft) {
            best = sibling;
            bestLeft = other.left;
        }
    }
    return best;
}
