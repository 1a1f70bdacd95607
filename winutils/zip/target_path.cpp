#include "zip/target_path.h"

std::wstring JoinTargetPath(const std::wstring& destination, const std::wstring& name) {
    std::wstring path = destination;
    if (path.empty() || path.back() != L'\\') path += L'\\';
    return path + name;
}

bool FitTargetPath(std::wstring& path, size_t folderLength) {
    if (path.size() <= kMaxTargetPath) return true;
    const size_t separator = path.find_last_of(L"\\/");
    const size_t nameStart = separator == std::wstring::npos ? 0 : separator + 1;
    const size_t dot = path.rfind(L'.');
    const size_t extLength = dot == std::wstring::npos || dot < nameStart ? 0 : path.size() - dot;
    if (folderLength + extLength + 3 > kMaxTargetPath) return false;
    path = path.substr(0, kMaxTargetPath - 2 - extLength) + L".." +
           path.substr(path.size() - extLength);
    return true;
}
