#include <windows.h>
#include <shellapi.h>

#include "common/process.h"

#include "common/domains.h"
#include "common/handles.h"
#include "common/paths.h"
#include "common/strings.h"
#include "common/wait.h"

LaunchRequest PrepareLaunch(std::wstring_view target, std::wstring_view folder) {
    LaunchRequest request;
    request.file = TrimCommandBlanks(target);
    request.folder = folder;
    if (IsEmailAddress(request.file) &&
        !EqualsNoCase(std::wstring_view(request.file).substr(0, 7), L"mailto:"))
        request.file.insert(0, L"mailto:");
    if (request.file.empty() || GetFileAttributesW(request.file.c_str()) == INVALID_FILE_ATTRIBUTES)
        request.parameters = SplitCommandLine(request.file);
    // Classify a copy: a relative file name must not be started as a web address.
    std::wstring kind = request.file;
    if (request.folder.empty() && ClassifyTarget(kind) == kServiceFile)
        request.folder = ParentFolder(request.file);
    return request;
}

bool LaunchProcess(std::wstring_view target, std::wstring_view folder, bool elevated,
                   int* exitCode) {
    LaunchRequest request = PrepareLaunch(target, folder);
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    // Callers report failures in their own words: no error box from the shell.
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | (exitCode ? SEE_MASK_NOCLOSEPROCESS : 0);
    info.lpVerb = elevated ? L"runas" : nullptr;
    info.lpFile = request.file.c_str();
    info.lpParameters = request.parameters.empty() ? nullptr : request.parameters.c_str();
    info.lpDirectory = request.folder.empty() ? nullptr : request.folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) return false;
    UniqueHandle process(info.hProcess);
    if (!exitCode) return true;
    *exitCode = kNoExitCode;
    DWORD code = 0;
    if (process && WaitWithMessagePump(process.get()) && GetExitCodeProcess(process.get(), &code))
        *exitCode = static_cast<int>(code);
    return true;
}

int FindMenuItemByText(HMENU menu, std::wstring_view text) {
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        if (!GetMenuItemInfoW(menu, position, TRUE, &info) || info.cch == 0) continue;
        std::wstring item(info.cch + 1, L'\0');
        info.dwTypeData = item.data();
        info.cch = static_cast<UINT>(item.size());
        if (!GetMenuItemInfoW(menu, position, TRUE, &info)) continue;
        item.resize(info.cch);
        if (SameMenuText(item, text)) return position;
    }
    return -1;
}
