#include "common/text_encoding.h"

#include "common/domains.h"

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

unsigned char Byte(std::string_view bytes, size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

void AppendCodePoint(std::wstring& out, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out += wchar_t(0xD800 + (cp >> 10));
        out += wchar_t(0xDC00 + (cp & 0x3FF));
    } else {
        out += wchar_t(cp);
    }
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

} // namespace

TextEncoding DetectByteOrderMark(std::string_view bytes, size_t& markLength) {
    if (bytes.size() >= 2 && Byte(bytes, 0) == 0xFF && Byte(bytes, 1) == 0xFE) {
        markLength = 2;
        return TextEncoding::Utf16Le;
    }
    if (bytes.size() >= 3 && Byte(bytes, 0) == 0xEF && Byte(bytes, 1) == 0xBB &&
        Byte(bytes, 2) == 0xBF) {
        markLength = 3;
        return TextEncoding::Utf8;
    }
    markLength = 0;
    return TextEncoding::CodePage;
}

std::wstring DecodeUtf16Le(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        wchar_t c = wchar_t(Byte(bytes, i) | (Byte(bytes, i + 1) << 8));
        if (c == 0) break;
        out += c;
    }
    return out;
}

std::wstring DecodeUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        unsigned char lead = Byte(bytes, i);
        if (lead < 0x80) {
            out += wchar_t(lead);
            ++i;
            continue;
        }
        size_t length = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, cp = lead & 0x1F, minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, cp = lead & 0x0F, minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, cp = lead & 0x07, minimum = 0x10000;
        }
        // Take continuation bytes while they come; a broken sequence yields one replacement
        // and decoding resumes at the first byte that did not fit.
        size_t used = 1;
        while (length && used < length && i + used < bytes.size() &&
               (Byte(bytes, i + used) & 0xC0) == 0x80) {
            cp = (cp << 6) | (Byte(bytes, i + used) & 0x3F);
            ++used;
        }
        bool valid = length && used == length && cp >= minimum && cp <= 0x10FFFF &&
                     !(cp >= 0xD800 && cp <= 0xDFFF);
        AppendCodePoint(out, valid ? cp : kReplacement);
        i += used;
    }
    return out;
}

std::string EncodeUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = char32_t(text[i]) & 0xFFFF;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            char32_t low = char32_t(text[i + 1]) & 0xFFFF;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, (c >= 0xD800 && c <= 0xDFFF) ? kReplacement : c);
    }
    return out;
}

std::wstring CollapseCrLf(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
        out += text[i];
    }
    return out;
}

std::wstring ExpandLineFeeds(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) out += L'\r';
        out += text[i];
    }
    return out;
}

bool WantsByteOrderMark(std::wstring_view path) {
    return !EndsWith(path, L".php", false);
}
