#include "win32_platform.h"

#include <shellapi.h>

#include "folder_tree.h"
#include "long_path.h"
#include "path_list.h"
#include "system_library.h"
#include "update_run.h"

static_assert(kBoxOk == MB_OK && kBoxOkCancel == MB_OKCANCEL);
static_assert(kBoxIconQuestion == MB_ICONQUESTION && kBoxIconWarning == MB_ICONWARNING);
static_assert(kAnswerOk == IDOK && kAnswerCancel == IDCANCEL);
static_assert(static_cast<UINT>(FileOperation::Copy) == FO_COPY);
static_assert(static_cast<UINT>(FileOperation::Delete) == FO_DELETE);

namespace {

constexpr FILEOP_FLAGS kSilentFlags =
    FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
static_assert(kSilentFlags == 0x0614);

// MAX_PATH less room for the wildcard and 8.3 names the shell adds below a folder.
constexpr size_t kShellPathLimit = MAX_PATH - 12;

bool EndsWith(const std::wstring& text, const wchar_t* suffix) {
    const size_t length = wcslen(suffix);
    return text.size() >= length && text.compare(text.size() - length, length, suffix) == 0;
}

bool HasWildcard(const std::wstring& path) {
    return path.find_first_of(L"*?") != std::wstring::npos;
}

std::wstring WindowsFolder() {
    wchar_t buffer[MAX_PATH];
    UINT length = GetSystemWindowsDirectoryW(buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

// A process cannot remove the folder it has as its current directory, so it steps out of it into
// the parent, never into a folder of value.
void LeaveFolder(const std::wstring& folder) {
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0) return;
    std::wstring current(size, L'\0');
    DWORD length = GetCurrentDirectoryW(size, current.data());
    if (length == 0 || length >= size) return;
    current.resize(length);
    const std::wstring full = FullPath(folder);
    if (!IsSameOrInside(current, full)) return;
    const size_t slash = full.find_last_of(L'\\');
    if (slash == std::wstring::npos || slash + 1 >= full.size()) return;
    std::wstring parent = full.substr(0, slash);
    if (!parent.empty() && parent.back() == L':') parent += L'\\';
    SetCurrentDirectoryW(parent.c_str());
}

// Paths the shell's fixed buffers take without losing track: a path it cannot hold makes it
// skip files, or work on the current directory instead of the intended one.
bool FitsShell(size_t length) {
    return length < kShellPathLimit;
}

// The shell program from the Windows folder, not whatever a writable folder holds by its name.
std::wstring SystemProgram(const std::wstring& file) {
    if (file.find_first_of(L"\\/:") != std::wstring::npos) return file;
    const std::wstring folder = WindowsFolder();
    if (folder.empty()) return file;
    const std::wstring path = folder + L"\\" + file;
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) ? path
                                                                                             : file;
}

} // namespace

Win32Platform::Win32Platform() : shell_(LoadSystemLibrary(L"shell32.dll")) {}

std::wstring Win32Platform::CurrentDirectory() {
    // Any length: a path cut at the classic limit would name another folder.
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    while (size > 0) {
        std::wstring folder(size, L'\0');
        DWORD length = GetCurrentDirectoryW(size, folder.data());
        if (length == 0) break;
        if (length < size) {
            folder.resize(length);
            return folder;
        }
        size = length;
    }
    return {};
}

bool Win32Platform::Exists(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(LongPathSafe(path).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    return true;
}

bool Win32Platform::DeleteOneFile(const std::wstring& path) {
    return DeleteFileW(LongPathSafe(path).c_str()) != FALSE;
}

int Win32Platform::RunShellOperation(FileOperation operation, const std::wstring& from,
                                     const std::wstring& to) {
    using SHFileOperationWFn = int(WINAPI*)(LPSHFILEOPSTRUCTW);
    auto fileOperation = SystemProc<SHFileOperationWFn>(shell_, "SHFileOperationW");
    if (!fileOperation) return ERROR_MOD_NOT_FOUND;
    if (!FitsShell(from.size()) || !FitsShell(to.size())) return ERROR_FILENAME_EXCED_RANGE;
    const auto fromList = DoubleNullList({from});
    std::optional<std::wstring> toList;
    if (operation == FileOperation::Copy) {
        toList = DoubleNullList({to});
        if (!toList) return ERROR_INVALID_PARAMETER;
    }
    if (!fromList) return ERROR_INVALID_PARAMETER;
    SHFILEOPSTRUCTW request = {};
    request.wFunc = static_cast<UINT>(operation);
    request.pFrom = fromList->c_str();
    request.pTo = toList ? toList->c_str() : nullptr;
    request.fFlags = kSilentFlags;
    return fileOperation(&request);
}

int Win32Platform::CopyFolderContents(const std::wstring& source, const std::wstring& target) {
    const size_t below = LongestPathBelow(source) + 1;
    if (FitsShell(source.size() + below) && FitsShell(target.size() + below)) {
        int code = RunShellOperation(FileOperation::Copy, source + L"\\*", target);
        if (code != 0) return code;
    }
    // Whatever the shell did not bring over, deep paths included, is copied here.
    return static_cast<int>(CopyMissingFiles(source, target));
}

int Win32Platform::DeleteFolder(const std::wstring& folder) {
    LeaveFolder(folder);
    int code = 0;
    if (FitsShell(folder.size() + LongestPathBelow(folder) + 1)) {
        code = RunShellOperation(FileOperation::Delete, folder, L"");
        if (!Exists(folder)) return 0;
    }
    DWORD error = RemoveTree(folder);
    if (!Exists(folder)) return 0;
    return code != 0 ? code : error != 0 ? static_cast<int>(error) : ERROR_DIR_NOT_EMPTY;
}

int Win32Platform::ShellFileOperation(FileOperation operation, const std::wstring& from,
                                      const std::wstring& to) {
    if (operation == FileOperation::Copy && EndsWith(from, L"\\*"))
        return CopyFolderContents(from.substr(0, from.size() - 2), to);
    if (operation == FileOperation::Delete) {
        if (!HasWildcard(from)) return DeleteFolder(from);
        // A match the shell cannot hold is removed here, matches and all.
        if (!FitsShell(LongestMatchPath(from))) return static_cast<int>(RemoveMatches(from));
    }
    return RunShellOperation(operation, from, to);
}

int Win32Platform::ShowMessage(const std::wstring& text, unsigned style) {
    return MessageBoxW(nullptr, text.c_str(), kUpdaterCaption, style);
}

void Win32Platform::Pause(unsigned milliseconds) {
    Sleep(milliseconds);
}

unsigned Win32Platform::SystemMajorVersion() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExW(&version) ? version.dwMajorVersion : 0;
}

void Win32Platform::Launch(const std::wstring& file, const std::wstring& parameters,
                           const std::wstring& folder) {
    using ShellExecuteExWFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
    auto execute = SystemProc<ShellExecuteExWFn>(shell_, "ShellExecuteExW");
    if (!execute) return;
    const std::wstring program = SystemProgram(file);
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.lpVerb = L"open";
    info.lpFile = program.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = SW_SHOW;
    execute(&info);
}
