// Stands in for the browser in installation tests: notes that it was started, with its command
// line and working folder, in a file beside itself.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t module[32768];
    DWORD length = GetModuleFileNameW(nullptr, module, 32768);
    std::wstring marker(module, length);
    marker.erase(marker.find_last_of(L'\\') + 1);
    marker += L"standin-started.txt";

    wchar_t folder[32768];
    DWORD folderLength = GetCurrentDirectoryW(32768, folder);
    std::wstring text =
        std::wstring(GetCommandLineW()) + L"\n" + std::wstring(folder, folderLength);

    HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written,
              nullptr);
    CloseHandle(file);
    return 0;
}
