// A test-only library linking the common code: reports the folders as seen from a DLL.
#include <windows.h>

#include <cwchar>
#include <string>

#include "common/folders.h"

namespace {

void CopyOut(const std::wstring& text, wchar_t* out, int capacity) {
    if (!out || capacity <= 0) return;
    wcsncpy(out, text.c_str(), capacity - 1);
    out[capacity - 1] = L'\0';
}

} // namespace

// which: 0 ModuleFolder, 1 InstallFolder, 2 LanguageFilePath("Deutsch").
extern "C" __declspec(dllexport) void ProbeFolder(int which, wchar_t* out, int capacity) {
    switch (which) {
    case 0:
        CopyOut(ModuleFolder(), out, capacity);
        break;
    case 1:
        CopyOut(InstallFolder(), out, capacity);
        break;
    default:
        CopyOut(LanguageFilePath(L"Deutsch"), out, capacity);
        break;
    }
}
