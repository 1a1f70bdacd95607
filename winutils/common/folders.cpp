#include <windows.h>
#include <shlobj.h>

#include "common/folders.h"

#include <vector>

#include "common/long_path.h"
#include "common/module_layout.h"
#include "common/paths.h"
#include "frame/app.h"

namespace {

std::wstring ModuleFile() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length =
            GetModuleFileNameW(ThisModule(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);
    }
}

// Missing is told apart from unreadable, so an unreadable name is not handed out as free.
bool PathIsFree(const std::wstring& path) {
    if (PathAttributes(path) != INVALID_FILE_ATTRIBUTES) return false;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

} // namespace

std::wstring ModuleFolder() {
    return ModuleFolderFor(ModuleFile());
}

std::wstring InstallFolder() {
    return InstallFolderFor(ModuleFile());
}

std::wstring LanguageFilePath(std::wstring_view code) {
    std::wstring name = L"language\\";
    name += code;
    name += L".ini";
    return JoinPath(InstallFolder(), name);
}

std::wstring SpecialFolder(int csidl) {
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) || !list) return {};
    wchar_t path[MAX_PATH] = {};
    BOOL found = SHGetPathFromIDListW(list, path);
    CoTaskMemFree(list);
    return found ? std::wstring(path) : std::wstring();
}

std::wstring UserDataFolder() {
    std::wstring local = SpecialFolder(CSIDL_LOCAL_APPDATA);
    // Without the per-user folder there is no user data folder (not one at the drive root).
    if (local.empty()) return {};
    return RemoveTrailingSeparators(local) + L"\\Korvane\\User Data\\";
}

std::wstring UniquePath(std::wstring_view folder, std::wstring_view prefix,
                        std::wstring_view extension) {
    // Bounded so a folder that answers no query cannot loop for ever.
    for (unsigned int i = 0; i < 1000000; ++i) {
        std::wstring name(prefix);
        name += std::to_wstring(i);
        if (!extension.empty()) {
            name += L'.';
            name += extension;
        }
        std::wstring path = JoinPath(folder, name);
        if (PathIsFree(path)) return path;
    }
    return {};
}

bool CreateFolderWithParents(std::wstring_view path) {
    std::wstring folder = RemoveTrailingSeparators(path);
    if (folder.empty()) return false;
    // Walk up to the first folder that exists, then create the rest from the top down.
    std::vector<std::wstring> missing;
    for (std::wstring current = folder; !current.empty(); current = ParentFolder(current)) {
        DWORD attributes = PathAttributes(current);
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            // A file in the way cannot become a folder.
            if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
            break;
        }
        missing.push_back(current);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (!CreateDirectoryW(ExtendedLengthPath(*it).c_str(), nullptr) &&
            GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return FolderExists(folder);
}
