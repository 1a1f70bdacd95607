#include "system_library.h"

#include <string>

namespace {

std::wstring SystemFolder() {
    wchar_t buffer[MAX_PATH];
    UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

} // namespace

void RestrictDllSearch() {
    // Present from Windows 8, and on Windows 7 with its loader update.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    auto setDefault = SystemProc<SetDefaultDllDirectoriesFn>(GetModuleHandleW(L"kernel32.dll"),
                                                             "SetDefaultDllDirectories");
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Older loaders: at least the current directory leaves the search.
    SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    if (HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
    // Loaders without the search flags reject it; a full path still names the system's copy.
    const std::wstring folder = SystemFolder();
    if (folder.empty()) return nullptr;
    return LoadLibraryW((folder + L"\\" + name).c_str());
}
