#include <gtest/gtest.h>

#include "net/escape_text.h"

namespace {

struct EscapeCase {
    std::wstring text;
    std::wstring escaped;
};

TEST(EscapeText, EscapesAllButLettersDigitsAndFourMarks) {
    const EscapeCase cases[] = {
        {L"Abc-09_.~", L"Abc-09_.~"},
        {L"a b", L"a%20b"},
        {L"line1\r\nline2", L"line1%0D%0Aline2"},
        {L"1+1=2&x%", L"1%2B1%3D2%26x%25"},
        {L"\x01", L"%01"},
        {L"\x20AC", L"%u20AC"},
        {L"\x2022", L"%u2022"},
        {L"\x0B", L"%0B"},
        // Letters beyond ASCII, as the platform classifies them, stay.
        {L"\xE9\x0100\x4E2D", L"\xE9\x0100\x4E2D"},
        {L"\xD83D\xDE00", L"%uD83D%uDE00"},
        {L"", L""},
    };
    for (const EscapeCase& c : cases)
        EXPECT_EQ(EscapeText(c.text), c.escaped) << c.text;
}

TEST(UnescapeText, DecodesEscapesAndPlus) {
    // {expected text, escaped input}
    const EscapeCase cases[] = {
        {L"J\xE9r\xF4me Dupont", L"J%u00e9r%F4me+Dupont"},
        {L"line1\r\nline2 +", L"line1%0D%0Aline2+%2B"},
        {L"\x20AC", L"%u20AC"},
        {L"\xFF", L"%ff"},
        {L"aAB", L"a%41%42"},
        // Incomplete codes stay as they are.
        {L"100%", L"100%"},
        {L"%4", L"%4"},
        {L"%zz", L"%zz"},
        {L"%u12", L"%u12"},
        {L"%u12G4", L"%u12G4"},
        {L"%U0041", L"%U0041"},
    };
    for (const EscapeCase& c : cases)
        EXPECT_EQ(UnescapeText(c.escaped), c.text) << c.escaped;
}

TEST(EscapeText, UnescapeRestoresEveryCharacter) {
    std::wstring all;
    for (unsigned code = 1; code <= 0xFFFF; code += 7)
        all += static_cast<wchar_t>(code);
    all += L"+% ";
    EXPECT_EQ(UnescapeText(EscapeText(all)), all);
}

} // namespace
