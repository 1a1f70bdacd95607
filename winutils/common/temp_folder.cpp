#include <windows.h>

#include "common/temp_folder.h"

#include <vector>

#include "common/folders.h"
#include "common/long_path.h"
#include "common/paths.h"
#include "frame/app.h"
#include "lang/translate.h"

namespace {

[[noreturn]] void FailAndExit(const std::wstring& message) {
    MessageBoxW(nullptr, message.c_str(), TheApp().AppName(), MB_OK | MB_ICONEXCLAMATION);
    ExitProcess(0);
}

std::wstring SystemTempPath() {
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    for (;;) {
        DWORD length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length == 0) return {};
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.resize(length + 1);
    }
}

} // namespace

std::wstring CheckedTempFolder(const std::wstring& systemPath) {
    std::wstring folder = RemoveTrailingSeparators(systemPath);
    if (folder.empty())
        FailAndExit(TranslateText(L"Temporary folder not defined in your system environment!"));
    if (!FolderExists(folder)) CreateDirectoryW(ExtendedLengthPath(folder).c_str(), nullptr);
    if (!FolderExists(folder))
        FailAndExit(TranslateText(L"Unable to access temporary folder: ") + folder);
    return AddTrailingSeparator(folder);
}

std::wstring TempFolder() {
    return CheckedTempFolder(SystemTempPath());
}
