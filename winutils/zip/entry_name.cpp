#include "zip/entry_name.h"

#include <array>
#include <string_view>

namespace {

bool IsSeparator(wchar_t c) {
    return c == L'/' || c == L'\\';
}

bool IsForbiddenChar(wchar_t c) {
    return c < 0x20 || c == L':' || c == L'<' || c == L'>' || c == L'"' || c == L'|' || c == L'?' ||
           c == L'*';
}

wchar_t Upper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
}

bool EqualsUpper(std::wstring_view text, std::wstring_view upper) {
    if (text.size() != upper.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (Upper(text[i]) != upper[i]) return false;
    return true;
}

// Device names are reserved whatever extension follows them, and with trailing spaces.
bool IsDeviceName(std::wstring_view component) {
    std::wstring_view base = component.substr(0, component.find(L'.'));
    while (!base.empty() && base.back() == L' ')
        base.remove_suffix(1);
    static constexpr std::array<std::wstring_view, 7> kNames = {
        L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$", L"CLOCK$"};
    for (std::wstring_view name : kNames)
        if (EqualsUpper(base, name)) return true;
    if (base.size() == 4 &&
        (EqualsUpper(base.substr(0, 3), L"COM") || EqualsUpper(base.substr(0, 3), L"LPT"))) {
        const wchar_t digit = base[3];
        // Digits, and the superscript digits the system also maps to ports.
        return (digit >= L'0' && digit <= L'9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
    }
    return false;
}

bool IsSafeComponent(std::wstring_view component) {
    if (component.find_first_not_of(L". ") == std::wstring_view::npos) return false;
    return !IsDeviceName(component);
}

} // namespace

bool IsSafeEntryName(const std::wstring& name, bool directory) {
    if (name.empty() || IsSeparator(name.front())) return false;
    for (wchar_t c : name)
        if (IsForbiddenChar(c)) return false;
    std::wstring_view rest(name);
    for (;;) {
        size_t end = 0;
        while (end < rest.size() && !IsSeparator(rest[end]))
            ++end;
        if (!IsSafeComponent(rest.substr(0, end))) return false;
        if (end == rest.size()) return true;
        rest.remove_prefix(end + 1);
        if (rest.empty()) return directory;
    }
}
