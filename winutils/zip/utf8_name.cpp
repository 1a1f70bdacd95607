#include "zip/utf8_name.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at bytes[pos], advancing pos past what it consumed. A malformed
// sequence yields one replacement for its longest valid-looking start, as the Unicode standard
// recommends; the byte that breaks it is read again as a new start.
char32_t NextCodePoint(const uint8_t* bytes, size_t size, size_t& pos) {
    const uint8_t lead = bytes[pos++];
    if (lead < 0x80) return lead;
    int extra;
    char32_t cp;
    uint8_t low = 0x80;  // allowed range of the second byte, ruling out overlong forms,
    uint8_t high = 0xBF; // surrogates and values past U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, cp = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, cp = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return kReplacement;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= size) return kReplacement;
        const uint8_t byte = bytes[pos];
        if (i == 0 ? byte < low || byte > high : (byte & 0xC0) != 0x80) return kReplacement;
        cp = (cp << 6) | (byte & 0x3F);
        ++pos;
    }
    return cp;
}

} // namespace

std::wstring DecodeUtf8Name(const uint8_t* bytes, size_t size, size_t maxUnits) {
    std::wstring name;
    size_t pos = 0;
    while (pos < size) {
        const char32_t cp = NextCodePoint(bytes, size, pos);
        if (cp >= 0x10000) {
            if (name.size() + 2 > maxUnits) break;
            name.push_back(static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10)));
            name.push_back(static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            if (name.size() + 1 > maxUnits) break;
            name.push_back(static_cast<wchar_t>(cp));
        }
    }
    return name;
}
