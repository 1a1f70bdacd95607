#include "frame/settings_text.h"

#include <cwctype>
#include <limits>

namespace {

// Plain A-Z folding; every other character is kept as it is.
std::wstring FoldAscii(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return out;
}

struct Section {
    std::size_t start;      // the "\n[" of the header
    std::size_t headerEnd;  // the header's closing line feed
    std::size_t end;        // the "\n[" of the next header, or the text length
};

std::optional<Section> FindSection(std::wstring_view text, std::wstring_view lowered,
                                   std::wstring_view section) {
    std::wstring header = L"\n[" + FoldAscii(section) + L"]\n";
    std::size_t start = lowered.find(header);
    if (start == std::wstring_view::npos) return std::nullopt;
    std::size_t headerEnd = start + header.size() - 1;
    std::size_t end = text.find(L"\n[", headerEnd);
    if (end == std::wstring_view::npos) end = text.size();
    return Section{start, headerEnd, end};
}

// Position of "\n" + key + "=" inside the section, or npos.
std::size_t FindKey(std::wstring_view lowered, const Section& section, std::wstring_view key) {
    std::wstring pattern = L"\n" + FoldAscii(key) + L"=";
    std::size_t pos = lowered.find(pattern, section.start);
    if (pos == std::wstring_view::npos || pos > section.end) return std::wstring_view::npos;
    return pos;
}

template <typename T> T ParseDecimal(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    // Accumulate towards the sign so the most negative value needs no special case.
    T value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        T digit = static_cast<T>(text[i] - L'0');
        if (negative) {
            if (value < (std::numeric_limits<T>::min() + digit) / 10)
                return std::numeric_limits<T>::min();
            value = value * 10 - digit;
        } else {
            if (value > (std::numeric_limits<T>::max() - digit) / 10)
                return std::numeric_limits<T>::max();
            value = value * 10 + digit;
        }
    }
    return value;
}

}  // namespace

std::optional<std::wstring> LookupSetting(std::wstring_view text, std::wstring_view section,
                                          std::wstring_view key) {
    std::wstring lowered = FoldAscii(text);
    auto found = FindSection(text, lowered, section);
    if (!found) return std::nullopt;
    std::size_t pos = FindKey(lowered, *found, key);
    if (pos == std::wstring_view::npos) return std::nullopt;
    std::size_t valueStart = pos + key.size() + 2;
    std::size_t lineEnd = text.find(L'\n', pos + 1);
    if (lineEnd == std::wstring_view::npos) lineEnd = text.size();
    std::size_t first = valueStart, last = lineEnd;
    while (first < last && std::iswspace(text[first])) ++first;
    while (last > first && std::iswspace(text[last - 1])) --last;
    return std::wstring(text.substr(first, last - first));
}

void UpdateSetting(std::wstring& text, std::wstring_view section, std::wstring_view key,
                   std::wstring_view value) {
    std::wstring lowered = FoldAscii(text);
    auto found = FindSection(text, lowered, section);
    if (!found) {
        if (text.empty() || text.back() != L'\n') text += L'\n';
        text.append(L"[").append(section).append(L"]\n");
        text.append(key).append(L"=").append(value).append(L"\n");
        return;
    }
    std::size_t pos = FindKey(lowered, *found, key);
    if (pos != std::wstring::npos) {
        std::size_t valueStart = pos + key.size() + 2;
        std::size_t lineEnd = text.find(L'\n', valueStart);
        if (lineEnd == std::wstring::npos) lineEnd = text.size();
        text.replace(valueStart, lineEnd - valueStart, value);
        return;
    }
    std::wstring line;
    std::size_t end = found->end;
    if (end == 0 || text[end - 1] != L'\n') line += L'\n';
    line.append(key).append(L"=").append(value);
    if (end >= text.size() || text[end] != L'\n') line += L'\n';
    text.insert(end, line);
}

std::int32_t ParseInt32(std::wstring_view text) { return ParseDecimal<std::int32_t>(text); }
std::int64_t ParseInt64(std::wstring_view text) { return ParseDecimal<std::int64_t>(text); }
