#include "path_list.h"

std::optional<std::wstring> DoubleNullList(std::initializer_list<std::wstring_view> paths) {
    if (paths.size() == 0) return std::nullopt;
    std::wstring list;
    for (std::wstring_view path : paths) {
        if (path.empty() || path.find(L'\0') != std::wstring_view::npos) return std::nullopt;
        list.append(path);
        list.push_back(L'\0');
    }
    list.push_back(L'\0');
    return list;
}
