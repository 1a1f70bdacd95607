#include "net/escape_text.h"

#include <cwctype>

namespace {

const wchar_t kHexDigits[] = L"0123456789ABCDEF";

int HexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// The value of count hexadecimal digits at text[at], or -1.
long HexNumber(std::wstring_view text, size_t at, size_t count) {
    if (at + count > text.size()) return -1;
    long value = 0;
    for (size_t i = 0; i < count; ++i) {
        int digit = HexValue(text[at + i]);
        if (digit < 0) return -1;
        value = value * 16 + digit;
    }
    return value;
}

bool KeptAsIs(wchar_t c) {
    return std::iswalnum(static_cast<std::wint_t>(c)) || c == L'_' || c == L'-' || c == L'.' ||
           c == L'~';
}

} // namespace

std::wstring EscapeText(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (KeptAsIs(c)) {
            out += c;
            continue;
        }
        unsigned code = static_cast<unsigned>(c) & 0xFFFF;
        out += L'%';
        if (code >= 256) {
            out += L'u';
            out += kHexDigits[(code >> 12) & 15];
            out += kHexDigits[(code >> 8) & 15];
        }
        out += kHexDigits[(code >> 4) & 15];
        out += kHexDigits[code & 15];
    }
    return out;
}

std::wstring UnescapeText(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'+') {
            out += L' ';
            continue;
        }
        if (c == L'%') {
            if (i + 1 < text.size() && text[i + 1] == L'u') {
                long code = HexNumber(text, i + 2, 4);
                if (code >= 0) {
                    out += static_cast<wchar_t>(code);
                    i += 5;
                    continue;
                }
            }
            long code = HexNumber(text, i + 1, 2);
            if (code >= 0) {
                out += static_cast<wchar_t>(code);
                i += 2;
                continue;
            }
        }
        out += c;
    }
    return out;
}
