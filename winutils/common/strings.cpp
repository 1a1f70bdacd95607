#include "common/strings.h"

#include <algorithm>

wchar_t AsciiLower(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c;
}

std::wstring AsciiLower(std::wstring_view text) {
    std::wstring result(text);
    for (wchar_t& c : result)
        c = AsciiLower(c);
    return result;
}

int CompareNoCase(std::wstring_view a, std::wstring_view b) {
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        wchar_t x = AsciiLower(a[i]);
        wchar_t y = AsciiLower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

bool IsNumber(std::wstring_view text) {
    if (!text.empty() && (text[0] == L'+' || text[0] == L'-')) text.remove_prefix(1);
    bool digit = false;
    bool dot = false;
    for (wchar_t c : text) {
        if (c >= L'0' && c <= L'9') {
            digit = true;
        } else if (c == L'.' && !dot) {
            dot = true;
        } else {
            return false;
        }
    }
    // A lone "." is no number.
    return digit;
}

void SortNoCase(std::vector<std::wstring>& list) {
    std::sort(list.begin(), list.end(),
              [](const std::wstring& a, const std::wstring& b) { return CompareNoCase(a, b) < 0; });
}
