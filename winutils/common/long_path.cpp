#include <windows.h>

#include "common/long_path.h"

#include <vector>

namespace {

// CreateDirectoryW leaves room for an 8.3 file name below MAX_PATH.
constexpr size_t kShortPathLimit = MAX_PATH - 12;

std::wstring FullPathName(const std::wstring& path) {
    std::vector<wchar_t> buffer(path.size() + MAX_PATH);
    for (;;) {
        DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()),
                                        buffer.data(), nullptr);
        if (length == 0) return {};
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.resize(length + 1);
    }
}

} // namespace

std::wstring ExtendedLengthPath(const std::wstring& path) {
    if (path.size() < kShortPathLimit || path.starts_with(L"\\\\?\\")) return path;
    std::wstring full = FullPathName(path);
    if (full.empty()) return path;
    if (full.starts_with(L"\\\\?\\")) return full;
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

unsigned long PathAttributes(const std::wstring& path) {
    return GetFileAttributesW(ExtendedLengthPath(path).c_str());
}

bool FolderExists(const std::wstring& path) {
    DWORD attributes = PathAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
