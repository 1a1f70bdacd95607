#include "net/url_scheme.h"

#include "common/strings.h"

namespace {

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool IsAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

} // namespace

std::wstring UrlScheme(std::wstring_view url) {
    if (StartsWithNoCase(url, L"javascript:")) return L"javascript";
    if (StartsWithNoCase(url, L"about:")) return L"about";
    size_t end = url.find(L"://");
    if (end == std::wstring_view::npos || end < 2) return {};
    std::wstring_view scheme = url.substr(0, end);
    for (wchar_t c : scheme)
        if (!IsAsciiLetter(c)) return {};
    return AsciiLower(scheme);
}

std::wstring WithDefaultScheme(std::wstring_view url) {
    if (!UrlScheme(url).empty()) return std::wstring(url);
    return L"http://" + std::wstring(url);
}
