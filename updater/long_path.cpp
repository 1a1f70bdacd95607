#include <windows.h>

#include "long_path.h"

namespace {

// CreateDirectoryW leaves room for an 8.3 file name below the folder.
constexpr size_t kPlainPathLimit = MAX_PATH - 12;

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.rfind(prefix, 0) == 0;
}

} // namespace

std::wstring FullPath(const std::wstring& path) {
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    while (size > 0) {
        std::wstring full(size, L'\0');
        DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
        if (length == 0) break;
        if (length < size) {
            full.resize(length);
            return full;
        }
        size = length; // the current directory changed in between
    }
    return path;
}

std::wstring ExtendedPath(const std::wstring& path) {
    if (StartsWith(path, L"\\\\?\\") || StartsWith(path, L"\\\\.\\")) return path;
    const std::wstring full = FullPath(path);
    if (StartsWith(full, L"\\\\?\\") || StartsWith(full, L"\\\\.\\")) return full;
    if (StartsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return L"\\\\?\\" + full;
    return path;
}

std::wstring LongPathSafe(const std::wstring& path) {
    return path.size() < kPlainPathLimit ? path : ExtendedPath(path);
}

bool IsSameOrInside(const std::wstring& inner, const std::wstring& outer) {
    std::wstring base = outer;
    while (base.size() > 1 && (base.back() == L'\\' || base.back() == L'/'))
        base.pop_back();
    if (inner.size() < base.size()) return false;
    if (CompareStringOrdinal(inner.c_str(), static_cast<int>(base.size()), base.c_str(),
                             static_cast<int>(base.size()), TRUE) != CSTR_EQUAL)
        return false;
    return inner.size() == base.size() || inner[base.size()] == L'\\' ||
           inner[base.size()] == L'/' || base.back() == L'\\';
}
