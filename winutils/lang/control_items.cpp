#include <windows.h>
#include <commctrl.h>

#include "lang/control_items.h"

#include <algorithm>
#include <string>
#include <vector>

#include "lang/translate.h"

namespace {

// The translation when it differs from the text, cut to fit a buffer of bufferChars characters.
bool TranslatedFor(const wchar_t* text, size_t bufferChars, std::wstring& out) {
    if (!text[0]) return false;
    out = TranslateText(text);
    if (out.size() >= bufferChars) out.resize(bufferChars - 1);
    return out != text;
}

LONG_PTR StyleOf(HWND window) {
    return GetWindowLongPtrW(window, GWL_STYLE);
}

} // namespace

void TranslateToolbarButtons(HWND toolbar) {
    int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t buffer[256] = {};
        TBBUTTONINFOW info = {};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
        info.pszText = buffer;
        info.cchText = 256;
        if (SendMessageW(toolbar, TB_GETBUTTONINFOW, i, reinterpret_cast<LPARAM>(&info)) == -1)
            continue;
        std::wstring text;
        if (!TranslatedFor(buffer, 256, text)) continue;
        info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
        info.pszText = text.data();
        SendMessageW(toolbar, TB_SETBUTTONINFOW, i, reinterpret_cast<LPARAM>(&info));
    }
}

void TranslateRebarBands(HWND rebar) {
    int count = static_cast<int>(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t buffer[128] = {};
        REBARBANDINFOW info = {};
        info.cbSize = REBARBANDINFOW_V6_SIZE;
        info.fMask = RBBIM_TEXT;
        info.lpText = buffer;
        info.cch = 128;
        if (!SendMessageW(rebar, RB_GETBANDINFOW, i, reinterpret_cast<LPARAM>(&info))) continue;
        std::wstring text;
        if (!TranslatedFor(buffer, 128, text)) continue;
        info.lpText = text.data();
        SendMessageW(rebar, RB_SETBANDINFOW, i, reinterpret_cast<LPARAM>(&info));
    }
}

void TranslateTabs(HWND tabs) {
    int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t buffer[256] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = 256;
        if (!SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item))) continue;
        std::wstring text;
        if (!TranslatedFor(buffer, 256, text)) continue;
        item.pszText = text.data();
        SendMessageW(tabs, TCM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

void TranslateComboBoxExItems(HWND combo) {
    LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t buffer[1024] = {};
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = i;
        item.pszText = buffer;
        item.cchTextMax = 1024;
        if (!SendMessageW(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) continue;
        std::wstring text;
        if (!TranslatedFor(buffer, 1024, text)) continue;
        item.pszText = text.data();
        SendMessageW(combo, CBEM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void TranslateComboBoxItems(HWND combo) {
    LONG_PTR style = StyleOf(combo);
    // Owner-drawn items without strings hold only their data: there is no text to translate.
    if ((style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) && !(style & CBS_HASSTRINGS)) return;
    LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        if (length <= 0) continue;
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
        std::wstring text = TranslateText(buffer.data());
        if (text == buffer.data()) continue;
        LRESULT data = SendMessageW(combo, CB_GETITEMDATA, i, 0);
        SendMessageW(combo, CB_DELETESTRING, i, 0);
        SendMessageW(combo, CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(combo, CB_SETITEMDATA, i, data);
    }
    // An editable box keeps what its edit field shows.
    if (selected != CB_ERR && (style & 3) != CBS_DROPDOWN)
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void TranslateListBoxItems(HWND list) {
    LONG_PTR style = StyleOf(list);
    if ((style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) && !(style & LBS_HASSTRINGS)) return;
    bool multiple = (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
    LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
        if (length <= 0) continue;
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
        std::wstring text = TranslateText(buffer.data());
        if (text == buffer.data()) continue;
        // The item's data and selection go with it: the caller may still rely on both.
        LRESULT data = SendMessageW(list, LB_GETITEMDATA, i, 0);
        bool itemSelected = SendMessageW(list, LB_GETSEL, i, 0) > 0;
        SendMessageW(list, LB_DELETESTRING, i, 0);
        SendMessageW(list, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(list, LB_SETITEMDATA, i, data);
        if (multiple && itemSelected) SendMessageW(list, LB_SETSEL, TRUE, i);
    }
    if (!multiple) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    if (top != LB_ERR) SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
}

void TranslateListViewColumns(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    int count = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t buffer[256] = {};
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT;
        column.pszText = buffer;
        column.cchTextMax = 256;
        if (!SendMessageW(list, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column))) continue;
        std::wstring text;
        if (!TranslatedFor(buffer, 256, text)) continue;
        column.pszText = text.data();
        SendMessageW(list, LVM_SETCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void TranslateTreeViewItems(HWND tree) {
    // Depth first without recursion: roots, then each item's children.
    std::vector<HTREEITEM> pending;
    auto next = [&](HTREEITEM item, WPARAM relation) {
        return reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    };
    for (HTREEITEM item = next(nullptr, TVGN_ROOT); item; item = next(item, TVGN_NEXT))
        pending.push_back(item);
    std::reverse(pending.begin(), pending.end());
    while (!pending.empty()) {
        HTREEITEM item = pending.back();
        pending.pop_back();
        wchar_t buffer[1024] = {};
        TVITEMW info = {};
        info.mask = TVIF_HANDLE | TVIF_TEXT;
        info.hItem = item;
        info.pszText = buffer;
        info.cchTextMax = 1024;
        std::wstring text;
        if (SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info)) &&
            TranslatedFor(buffer, 1024, text)) {
            info.pszText = text.data();
            SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&info));
        }
        std::vector<HTREEITEM> children;
        for (HTREEITEM child = next(item, TVGN_CHILD); child; child = next(child, TVGN_NEXT))
            children.push_back(child);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
}
