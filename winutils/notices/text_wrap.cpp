#include "notices/text_wrap.h"

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == 0x3000;
}

} // namespace

bool IsCjkIdeograph(wchar_t c) {
    return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
}

std::wstring WrapText(std::wstring_view text, std::wstring_view separator, int maxWidth,
                      const TextMeasure& measure) {
    std::wstring out(text);
    constexpr size_t kNone = std::wstring::npos;
    size_t lineStart = 0;
    size_t lastBreak = kNone;
    size_t pos = 0;
    while (pos < out.size()) {
        if (out[pos] == L'\n') {
            lineStart = ++pos;
            lastBreak = kNone;
            continue;
        }
        // A word: one ideograph, or a run up to the next blank or ideograph; then its blanks.
        size_t visibleEnd = pos;
        if (IsCjkIdeograph(out[pos]) && !IsBlank(out[pos])) {
            ++visibleEnd;
        } else {
            while (visibleEnd < out.size() && out[visibleEnd] != L'\n' &&
                   !IsBlank(out[visibleEnd]) && !IsCjkIdeograph(out[visibleEnd]))
                ++visibleEnd;
        }
        size_t wordEnd = visibleEnd;
        while (wordEnd < out.size() && IsBlank(out[wordEnd]))
            ++wordEnd;
        int width = measure(std::wstring_view(out).substr(lineStart, visibleEnd - lineStart));
        if (width <= maxWidth) {
            lastBreak = wordEnd;
            pos = wordEnd;
        } else if (lastBreak != kNone) {
            out.insert(lastBreak, separator);
            lineStart = lastBreak + separator.size();
            lastBreak = kNone;
            pos = lineStart; // the word starts the new line
        } else {
            // Too wide on its own: it keeps the line to itself.
            if (wordEnd < out.size() && out[wordEnd] != L'\n') {
                out.insert(wordEnd, separator);
                wordEnd += separator.size();
                lineStart = wordEnd;
            }
            pos = wordEnd;
        }
    }
    return out;
}
