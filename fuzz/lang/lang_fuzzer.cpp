// Language files and texts of any shape: lookups never fail and keep the untranslated tail.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lang/lang_data.h"
#include "lang/lang_text.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Two-byte characters, split at U+0001 into English text, current text and the text.
    std::wstring input;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        input += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    std::wstring parts[3];
    int part = 0;
    for (wchar_t c : input) {
        if (c == 1 && part < 2)
            ++part;
        else
            parts[part] += c;
    }
    const std::wstring& text = parts[2];

    TextParts split = SplitTextTail(text);
    Check(split.core + split.tail == text);
    Check(AdjustTextCase(text, split.core).size() == split.core.size());
    Check(DecodeLineBreaks(EncodeLineBreaks(text)) == text);
    FindEntryValue(parts[1], text, L"-");

    const wchar_t* languages[] = {L"German (Germany)", L"French (France)", L"TestLang",
                                  L"English (US)"};
    for (const wchar_t* language : languages) {
        CLangData state([] { return std::wstring(L"C:\\"); },
                        [](const std::wstring&, unsigned, std::wstring&) { return false; });
        state.SetCache(parts[0], parts[1], language);
        std::wstring result = state.Translate(text);
        if (state.FindTextId(split.core) == 0 || language == std::wstring(L"English (US)"))
            Check(result == text);
        else
            Check(result.ends_with(split.tail));
    }
    return 0;
}
