#include "common/domains.h"

#include <array>
#include <vector>

#include "common/strings.h"

namespace {

// Second-level labels under which a country's domains are registered (compared exactly).
constexpr std::array<std::wstring_view, 22> kGenericSecondLevel = {
    L"aero", L"asia", L"coop",   L"int",  L"jobs", L"mobi", L"museum", L"name",
    L"pro",  L"tel",  L"travel", L"xxx",  L"net",  L"edu",  L"org",    L"com",
    L"biz",  L"gov",  L"mil",    L"info", L"co",   L"cn"};

bool IsGenericSecondLevel(std::wstring_view label) {
    for (std::wstring_view generic : kGenericSecondLevel)
        if (generic == label) return true;
    return false;
}

std::vector<std::wstring_view> Labels(std::wstring_view host) {
    std::vector<std::wstring_view> labels;
    size_t start = 0;
    while (start <= host.size()) {
        size_t dot = host.find(L'.', start);
        if (dot == std::wstring_view::npos) dot = host.size();
        if (dot > start) labels.push_back(host.substr(start, dot - start));
        start = dot + 1;
    }
    return labels;
}

bool IsDomainCharacter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
           c == L'.' || c == L'-';
}

} // namespace

std::wstring RegistrableDomain(std::wstring_view host) {
    std::vector<std::wstring_view> labels = Labels(host);
    if (labels.size() < 2) return {};
    if (labels.size() == 2) return std::wstring(host);
    size_t n = labels.size();
    size_t keep = (labels[n - 1].size() == 2 && IsGenericSecondLevel(labels[n - 2])) ? 3 : 2;
    std::wstring domain;
    for (size_t i = n - keep; i < n; ++i) {
        if (!domain.empty()) domain += L'.';
        domain += labels[i];
    }
    return domain;
}

bool IsDomainName(std::wstring_view text) {
    size_t dot = text.find(L'.');
    if (dot == std::wstring_view::npos || dot == 0 || dot + 1 == text.size()) return false;
    if (text.back() == L'.' || text.find(L"..") != std::wstring_view::npos) return false;
    for (wchar_t c : text)
        if (!IsDomainCharacter(c)) return false;
    return true;
}

bool IsEmailAddress(std::wstring_view text) {
    size_t at = text.find(L'@');
    if (at == std::wstring_view::npos || at == 0 || at + 1 == text.size()) return false;
    return IsDomainName(text.substr(at + 1));
}

bool EndsWith(std::wstring_view text, std::wstring_view suffix, bool caseSensitive) {
    if (suffix.empty() || suffix.size() > text.size()) return false;
    std::wstring_view tail = text.substr(text.size() - suffix.size());
    return caseSensitive ? tail == suffix : EqualsNoCase(tail, suffix);
}

namespace {

std::wstring Enclosed(std::wstring_view separator, std::wstring_view text) {
    std::wstring result(separator);
    result += text;
    result += separator;
    return result;
}

} // namespace

bool ListContains(std::wstring_view list, std::wstring_view separator, std::wstring_view item) {
    if (list.empty() || item.empty()) return false;
    return Enclosed(separator, list).find(Enclosed(separator, item)) != std::wstring::npos;
}

std::wstring ListAppend(std::wstring_view list, std::wstring_view separator,
                        std::wstring_view item) {
    if (list.empty()) return std::wstring(item);
    std::wstring result(list);
    result += separator;
    result += item;
    return result;
}

bool ListRemove(std::wstring& list, std::wstring_view separator, std::wstring_view item) {
    if (list.empty() || item.empty()) return false;
    std::wstring text = Enclosed(separator, list);
    size_t found = text.find(Enclosed(separator, item));
    if (found == std::wstring::npos) return false;
    // The separator behind the item stays; the ends are trimmed below.
    text.erase(found, separator.size() + item.size());
    size_t first = text.find_first_not_of(separator);
    if (first == std::wstring::npos) {
        list.clear();
        return true;
    }
    size_t last = text.find_last_not_of(separator);
    list = text.substr(first, last - first + 1);
    return true;
}
