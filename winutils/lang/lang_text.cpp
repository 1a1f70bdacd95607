#include "lang/lang_text.h"

#include <array>
#include <utility>

#include "common/strings.h"

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}
bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool IsUpper(wchar_t c) {
    return c >= L'A' && c <= L'Z';
}
bool IsLower(wchar_t c) {
    return c >= L'a' && c <= L'z';
}
wchar_t ToUpper(wchar_t c) {
    return IsLower(c) ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

unsigned LeadingNumber(std::wstring_view key) {
    unsigned number = 0;
    for (wchar_t c : key) {
        if (!IsDigit(c)) break;
        number = number * 10 + static_cast<unsigned>(c - L'0');
    }
    return number;
}

void ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to) {
    for (size_t pos = 0; (pos = text.find(from, pos)) != std::wstring::npos; pos += to.size())
        text.replace(pos, from.size(), to);
}

} // namespace

unsigned GetLangCodePage(std::wstring_view name) {
    static const std::pair<unsigned, std::wstring_view> table[] = {
        {1250, L"Albania"},
        {1250, L"Bosnian"},
        {1250, L"Croatia"},
        {1250, L"Czech"},
        {1250, L"Faeroese"},
        {1250, L"Hungarian"},
        {1250, L"Polish"},
        {1250, L"Romanian"},
        {1250, L"Romanian full"},
        {1250, L"Serbian"},
        {1250, L"Slovak"},
        {1250, L"Slovenian"},
        {1251, L"Byelorussian"},
        {1251, L"Bulgarian"},
        {1251, L"Macedonian"},
        {1251, L"Russian"},
        {1251, L"Ukrainian"},
        {1252, L"Afrikaans"},
        {1252, L"Malay"},
        {1252, L"Basque"},
        {1252, L"Catalan"},
        {1252, L"Danish"},
        {1252, L"Dutch"},
        {1252, L"English (US)"},
        {1252, L"English (UK)"},
        {1252, L"Finnish"},
        {1252, L"French (France)"},
        {1252, L"Galego"},
        {1252, L"German (Germany)"},
        {1252, L"Icelandic"},
        {1252, L"Indonesian"},
        {1252, L"Italian"},
        {1252, L"Norwegian"},
        {1252, L"Norwegian (Bokmal)"},
        {1252, L"Norwegian (Nynorsk)"},
        {1252, L"Portuguese (Portugal)"},
        {1252, L"Portuguese (Brazil)"},
        {1252, L"Portuguese Padrao"},
        {1252, L"Spanish"},
        {1252, L"Swedish"},
        {1252, L"Welsh"},
        {1253, L"Greek"},
        {1254, L"Turkish"},
        {1255, L"Hebrew"},
        {1256, L"Armenian"},
        {1256, L"Arabic"},
        {1256, L"Farsi"},
        {1257, L"Estonian"},
        {1257, L"Latvian"},
        {1257, L"Lithuanian"},
        {874, L"Thai"},
        {932, L"Japanese"},
        {936, L"Chinese (Simplified)"},
        {949, L"Korean"},
        {950, L"Chinese (Traditional)"},
    };
    for (const auto& [codePage, language] : table)
        if (language == name) return codePage;
    return 0;
}

std::wstring TrimWhite(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return std::wstring(text);
}

std::wstring EncodeLineBreaks(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (c == L'\r')
            out += L"\\r";
        else if (c == L'\n')
            out += L"\\n";
        else
            out += c;
    }
    return out;
}

std::wstring DecodeLineBreaks(std::wstring_view text) {
    std::wstring out(text);
    ReplaceAll(out, L"\\n", L"\n");
    ReplaceAll(out, L"\\r", L"\r");
    return out;
}

std::wstring RemoveSingleAmpersands(std::wstring_view text) {
    std::wstring out(text);
    ReplaceAll(out, L"&&", L"DoubleAnd");
    ReplaceAll(out, L"&", L"");
    ReplaceAll(out, L"DoubleAnd", L"&&");
    return out;
}

unsigned FindEntryNumber(std::wstring_view searchText, std::wstring_view needle) {
    size_t firstBreak = searchText.find(L'\n');
    if (needle.empty() || firstBreak == std::wstring_view::npos) return 0;
    std::wstring pattern = L"=" + std::wstring(needle) + L"\n";
    for (size_t pos = searchText.find(pattern, firstBreak + 1); pos != std::wstring_view::npos;
         pos = searchText.find(pattern, pos + 1)) {
        size_t lineStart = searchText.rfind(L'\n', pos) + 1;
        std::wstring_view key = searchText.substr(lineStart, pos - lineStart);
        // A "=" inside another entry's text is no match: the key ends at the line's first "=".
        if (key.find(L'=') != std::wstring_view::npos) continue;
        if (unsigned number = LeadingNumber(key)) return number;
    }
    return 0;
}

std::wstring FindEntryValue(std::wstring_view text, std::wstring_view key, std::wstring_view def) {
    std::wstring head = std::wstring(key) + L"=";
    if (text.substr(0, head.size()) == head) {
        size_t end = text.find(L'\n');
        if (end == std::wstring_view::npos) return {};
        return std::wstring(text.substr(head.size(), end - head.size()));
    }
    std::wstring pattern = L"\n" + head;
    size_t pos = text.find(pattern);
    if (pos == std::wstring_view::npos) return std::wstring(def);
    size_t start = pos + pattern.size();
    size_t end = text.find(L'\n', start);
    if (end == std::wstring_view::npos) end = text.size();
    return DecodeLineBreaks(text.substr(start, end - start));
}

TextParts SplitTextTail(std::wstring_view text) {
    auto split = [&](size_t tailSize) {
        return TextParts{std::wstring(text.substr(0, text.size() - tailSize)),
                         std::wstring(text.substr(text.size() - tailSize))};
    };
    if (text.ends_with(L"...")) return split(3);
    if (text.ends_with(L": ")) return split(2);
    if (text.ends_with(L'*') || text.ends_with(L':')) return split(1);
    size_t blank = text.rfind(L' ');
    if (blank != std::wstring_view::npos && IsNumber(text.substr(blank + 1))) {
        size_t start = blank;
        while (start > 0 && text[start - 1] == L' ')
            --start;
        return split(text.size() - start);
    }
    return TextParts{std::wstring(text), {}};
}

std::wstring AdjustTextCase(std::wstring_view source, std::wstring result) {
    if (source.empty() || result.empty()) return result;
    if (source.front() == L'&') source.remove_prefix(1);
    bool hasLower = false;
    for (wchar_t c : source)
        hasLower = hasLower || IsLower(c);
    if (!hasLower)
        for (wchar_t& c : result)
            c = ToUpper(c);
    if (!source.empty() && IsUpper(source.front())) {
        bool laterUpper = false;
        for (wchar_t c : source.substr(1))
            laterUpper = laterUpper || IsUpper(c);
        size_t index = result.front() == L'&' ? 1 : 0;
        if (!laterUpper && index < result.size()) result[index] = ToUpper(result[index]);
    }
    return result;
}

bool KeepsStoredCase(std::wstring_view language) {
    static const std::array<std::wstring_view, 12> languages = {L"Chinese (Simplified)",
                                                                L"Chinese (Traditional)",
                                                                L"Japanese",
                                                                L"Korean",
                                                                L"Thai",
                                                                L"Vietnamese",
                                                                L"Hebrew",
                                                                L"Bulgarian",
                                                                L"Farsi",
                                                                L"Macedonian",
                                                                L"Russian",
                                                                L"Armenian"};
    for (std::wstring_view name : languages)
        if (name == language) return true;
    return language.find(L"German") != std::wstring_view::npos;
}
