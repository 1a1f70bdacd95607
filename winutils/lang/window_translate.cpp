#include <windows.h>

#include "lang/window_translate.h"

#include <string>
#include <vector>

#include "common/strings.h"
#include "lang/control_items.h"
#include "lang/lang_state.h"
#include "lang/lang_text.h"
#include "lang/translate.h"

namespace {

bool SourceLanguageShown() {
    return LangState().CurrentLanguage() == kSourceLanguage;
}

// Edit fields, rich edits and the edit part of combo boxes keep what the user typed.
bool HasTranslatableText(const std::wstring& className) {
    return AsciiLower(className).find(L"edit") == std::wstring::npos &&
           className != L"Internet Explorer_TridentCmboBx" &&
           className.find(L"ComboBox") == std::wstring::npos;
}

void TranslateWindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    if (length <= 0) return;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    if (text.empty()) return;
    std::wstring translated = TranslateText(text);
    if (translated != text) SetWindowTextW(window, translated.c_str());
}

void TranslateItems(HWND window, const std::wstring& className) {
    if (className == L"ToolbarWindow32")
        TranslateToolbarButtons(window);
    else if (className == L"ReBarWindow32")
        TranslateRebarBands(window);
    else if (className == L"SysTabControl32")
        TranslateTabs(window);
    else if (className == L"ComboBoxEx32")
        TranslateComboBoxExItems(window);
    else if (className == L"ComboBox")
        TranslateComboBoxItems(window);
    else if (className == L"ListBox")
        TranslateListBoxItems(window);
    else if (className == L"SysListView32")
        TranslateListViewColumns(window);
    else if (className == L"SysTreeView32")
        TranslateTreeViewItems(window);
}

void TranslateTree(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return;
    wchar_t buffer[128] = {};
    GetClassNameW(window, buffer, 128);
    std::wstring className = buffer;
    // A web browser control and everything inside it shows the page's own texts.
    if (EqualsNoCase(className, L"Shell Embedding")) return;

    if (HasTranslatableText(className)) TranslateWindowText(window);
    TranslateItems(window, className);
    if (className == L"ComboBoxEx32") return;
    if (className == L"Button" || className == L"Static") FitControlToText(window);
    if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) {
        if (HMENU menu = GetMenu(window)) {
            TranslateMenu(menu);
            DrawMenuBar(window);
        }
    }
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        TranslateTree(child);
}

} // namespace

void TranslateWindowTree(HWND window) {
    if (!window || SourceLanguageShown()) return;
    TranslateTree(window);
}

void TranslateMenu(HMENU menu) {
    if (SourceLanguageShown() || !IsMenu(menu)) return;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        if (GetMenuItemID(menu, position) == 0) continue; // separator
        std::vector<wchar_t> buffer(1024, L'\0');
        int length = GetMenuStringW(menu, position, buffer.data(), 1024, MF_BYPOSITION);
        if (length <= 0) continue;
        std::wstring text(buffer.data(), static_cast<size_t>(length));
        // The shortcut after the tab stays as it is.
        size_t tab = text.find(L'\t');
        std::wstring translated =
            tab == std::wstring::npos
                ? TranslateText(text)
                : TranslateText(TrimWhite(text.substr(0, tab))) + text.substr(tab);
        if (translated != text) {
            // Only the string changes: identifier, submenu, check and grey states stay.
            MENUITEMINFOW info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_STRING;
            info.dwTypeData = translated.data();
            SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
        }
        if (HMENU submenu = GetSubMenu(menu, position)) TranslateMenu(submenu);
    }
}
