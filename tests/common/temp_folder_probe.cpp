// Asks for the temporary folder the way the library does and writes it (UTF-16) to <out>.
//   temp_folder_probe <out> empty        - the system reports no temporary folder
//   temp_folder_probe <out> tmp <folder> - TMP and TEMP name <folder>
// Exit code 3 after writing: the call returned. Exit code 0: the call ended the process.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "common/folders.h"
#include "common/temp_folder.h"

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 3) return 2;
    std::wstring folder;
    if (wcscmp(argv[2], L"empty") == 0) {
        folder = CheckedTempFolder(L"");
    } else if (wcscmp(argv[2], L"tmp") == 0 && argc >= 4) {
        SetEnvironmentVariableW(L"TMP", argv[3]);
        SetEnvironmentVariableW(L"TEMP", argv[3]);
        folder = TempFolder();
    } else {
        return 2;
    }
    FILE* out = _wfopen(argv[1], L"wb");
    if (!out) return 4;
    std::fwrite(folder.data(), sizeof(wchar_t), folder.size(), out);
    std::fclose(out);
    return 3;
}
