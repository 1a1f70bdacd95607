#include "install_tree.h"

#include <vector>

#include "automation.h"

namespace updtest {
namespace {

constexpr wchar_t kAppDefaults[] = L"Software\\Wine\\AppDefaults\\updater.exe";

void CreateFolders(const std::wstring& folder) {
    if (CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) return;
    size_t slash = folder.find_last_of(L'\\');
    if (slash == std::wstring::npos || slash < 7) return;
    CreateFolders(folder.substr(0, slash));
    CreateDirectoryW(folder.c_str(), nullptr);
}

void ReadFolder(const std::wstring& folder, const std::wstring& prefix, Tree& tree) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ReadFolder(folder + L"\\" + name, prefix + name + L"\\", tree);
        else
            tree[prefix + name] = ReadBytes(folder + L"\\" + name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

void RemoveContents(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveContents(path);
            RemoveDirectoryW(path.c_str());
        } else {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

} // namespace

std::wstring MakeCleanDir(const std::wstring& name) {
    const std::wstring folder = kvtest::MakeTempDir(name);
    RemoveContents(Extended(folder));
    return folder;
}

std::wstring Extended(const std::wstring& path) {
    return path.rfind(L"\\\\?\\", 0) == 0 ? path : L"\\\\?\\" + path;
}

void WriteTree(const std::wstring& root, const Tree& tree) {
    for (const auto& [relative, content] : tree) {
        const std::wstring path = Extended(root + L"\\" + relative);
        CreateFolders(path.substr(0, path.find_last_of(L'\\')));
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    }
}

Tree ReadTree(const std::wstring& root) {
    Tree tree;
    ReadFolder(Extended(root), L"", tree);
    return tree;
}

std::vector<std::wstring> Differences(const Tree& actual, const Tree& expected) {
    std::vector<std::wstring> differences;
    for (const auto& [path, content] : expected) {
        auto found = actual.find(path);
        if (found == actual.end())
            differences.push_back(L"missing " + path);
        else if (found->second != content)
            differences.push_back(L"changed " + path);
    }
    for (const auto& [path, content] : actual)
        if (expected.count(path) == 0) differences.push_back(L"extra " + path);
    return differences;
}

bool PathExists(const std::wstring& path) {
    return GetFileAttributesW(Extended(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(Extended(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<unreadable>";
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        content.append(buffer, got);
    CloseHandle(file);
    return content;
}

std::wstring UpdaterPath() {
    return kvtest::RuntimeDir() + L"\\updater.exe";
}

std::wstring StandinPath() {
    wchar_t module[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring path(module, length);
    return path.substr(0, path.find_last_of(L'\\')) + L"\\korvane_standin.exe";
}

UpdaterRun::UpdaterRun(const std::wstring& commandTail, const std::wstring& currentDirectory) {
    const std::wstring program = UpdaterPath();
    std::wstring commandLine = L"\"" + program + L"\" " + commandTail;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentDirectory.c_str(), &startup, &process_))
        process_ = {};
}

UpdaterRun::~UpdaterRun() {
    if (!Started()) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::optional<DWORD> UpdaterRun::Wait(DWORD timeoutMs) {
    if (!Started()) return std::nullopt;
    bool ended = kvtest::WaitUntil(
        [&] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
    if (!ended) return std::nullopt;
    DWORD status = 0;
    GetExitCodeProcess(process_.hProcess, &status);
    return status;
}

HWND WaitForBox(DWORD processId, DWORD timeoutMs) {
    return kvtest::WaitForWindow(L"Korvane Updater", L"#32770", processId, timeoutMs);
}

std::wstring BoxText(HWND box) {
    // The message box's text control carries the id 0xFFFF.
    HWND text = kvtest::FindControl(box, 0xFFFF);
    return text ? kvtest::GetText(text) : std::wstring();
}

WineVersionOverride::WineVersionOverride(const wchar_t* version) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kAppDefaults, L"Version", REG_SZ, version,
                    static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
}

WineVersionOverride::~WineVersionOverride() {
    RegDeleteKeyW(HKEY_CURRENT_USER, kAppDefaults);
}

} // namespace updtest
