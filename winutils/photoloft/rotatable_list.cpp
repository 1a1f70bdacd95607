#include "photoloft/rotatable_list.h"

std::wstring MakeRotatableList(std::wstring_view fileText, std::wstring_view userList) {
    std::wstring list(fileText);
    for (wchar_t& c : list)
        if (c == L'\n') c = L';';
    if (!userList.empty()) {
        list += L';';
        list += userList;
    }
    return list;
}

bool InRotatableList(std::wstring_view list, std::wstring_view title) {
    std::wstring haystack = L";";
    haystack += list;
    haystack += L';';
    std::wstring needle = L";";
    needle += title;
    needle += L';';
    return haystack.find(needle) != std::wstring::npos;
}
