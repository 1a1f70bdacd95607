// The text rules of the language files, on plain strings.
#include <gtest/gtest.h>

#include "lang/lang_text.h"
#include "lang/language_names.h"

namespace {

TEST(LangText, SplitsOffTheTailThatIsNotTranslated) {
    struct Case {
        const wchar_t* text;
        const wchar_t* core;
        const wchar_t* tail;
    };
    const Case cases[] = {
        {L"Open...", L"Open", L"..."},
        {L"Domain: ", L"Domain", L": "},
        {L"Domain:", L"Domain", L":"},
        {L"Required*", L"Required", L"*"},
        {L"Page 12", L"Page", L" 12"},
        {L"Zoom   -1.5", L"Zoom", L"   -1.5"},
        {L"Size +3", L"Size", L" +3"},
        {L"Version 1.2.3", L"Version 1.2.3", L""}, // two dots: not a number
        {L"Step +", L"Step +", L""},               // a sign alone is no number
        {L"12", L"12", L""},                       // no blank before it
        {L"Wait...:", L"Wait...", L":"},           // only one tail
        {L"Open", L"Open", L""},
    };
    for (const Case& c : cases) {
        TextParts parts = SplitTextTail(c.text);
        EXPECT_EQ(parts.core, c.core) << c.text;
        EXPECT_EQ(parts.tail, c.tail) << c.text;
    }
}

TEST(LangText, AdjustsTheCaseOfTheResultToTheSource) {
    struct Case {
        const wchar_t* source;
        const wchar_t* result;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"OK", L"Ok", L"OK"},
        {L"Open", L"ouvrir", L"Ouvrir"},
        {L"&Open", L"&ouvrir", L"&Ouvrir"}, // the mark is skipped on both sides
        {L"&OK", L"d'accord", L"D'ACCORD"},
        {L"Open File", L"ouvrir", L"ouvrir"},      // a later capital: left as it is
        {L"open", L"Ouvrir", L"Ouvrir"},           // never lowered
        {L"Open", L"\u00e9diter", L"\u00e9diter"}, // only ASCII letters change
        {L"Open", L"&", L"&"},
        {L"", L"abc", L"abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdjustTextCase(c.source, c.result), c.expected) << c.source;
}

TEST(LangText, FindsEntryNumbersOnlyAtTheStartOfEntries) {
    const std::wstring text =
        L"projectname=korvane\n5=open\n7=size: w=h\n8*=save\nname=cancel\n0=zero\n9=last";
    struct Case {
        const wchar_t* needle;
        unsigned number;
    };
    const Case cases[] = {
        {L"open", 5},      {L"save", 8}, // marks after the digits are allowed
        {L"size: w=h", 7}, {L"h", 0},    // "=h" inside entry 7's text is not an entry
        {L"korvane", 0},                 // the header line
        {L"cancel", 0},                  // key without a number
        {L"zero", 0},      {L"last", 0}, // the last line has no line break
        {L"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindEntryNumber(text, c.needle), c.number) << c.needle;
}

TEST(LangText, ReadsValuesAndDecodesEscapes) {
    const std::wstring text = L"5=Head\\nline\n5=\u00d6ffnen\n15=F\u00fcnfzehn\n6=a\\nb\\rc\n7=";
    EXPECT_EQ(FindEntryValue(text, L"5", L"d"), L"Head\\nline"); // header: as stored
    EXPECT_EQ(FindEntryValue(text, L"15", L"d"), L"F\u00fcnfzehn");
    EXPECT_EQ(FindEntryValue(text, L"6", L"d"), L"a\nb\rc");
    EXPECT_EQ(FindEntryValue(text, L"7", L"d"), L"");
    EXPECT_EQ(FindEntryValue(text, L"8", L"d"), L"d");
    EXPECT_EQ(FindEntryValue(text, L"1", L"d"), L"d"); // "15" is not "1"
    EXPECT_EQ(FindEntryValue(L"5=no line break", L"5", L"d"), L"");
    EXPECT_EQ(FindEntryValue(L"", L"5", L"d"), L"d");
}

TEST(LangText, EscapesAndMnemonics) {
    EXPECT_EQ(EncodeLineBreaks(L"a\r\nb\n"), L"a\\r\\nb\\n");
    EXPECT_EQ(DecodeLineBreaks(L"a\\r\\nb\\n"), L"a\r\nb\n");
    EXPECT_EQ(RemoveSingleAmpersands(L"&File"), L"File");
    EXPECT_EQ(RemoveSingleAmpersands(L"Save && E&xit"), L"Save && Exit");
    EXPECT_EQ(RemoveSingleAmpersands(L"&&&A"), L"&&A");
    EXPECT_EQ(TrimWhite(L" \t a b \r\n"), L"a b");
}

TEST(LangText, CodePagesOfLanguageNames) {
    struct Case {
        const wchar_t* name;
        unsigned codePage;
    };
    const Case cases[] = {
        {L"Polish", 1250},
        {L"Romanian full", 1250},
        {L"Russian", 1251},
        {L"German (Germany)", 1252},
        {L"English (US)", 1252},
        {L"Greek", 1253},
        {L"Turkish", 1254},
        {L"Hebrew", 1255},
        {L"Farsi", 1256},
        {L"Lithuanian", 1257},
        {L"Thai", 874},
        {L"Japanese", 932},
        {L"Chinese (Simplified)", 936},
        {L"Korean", 949},
        {L"Chinese (Traditional)", 950},
        {L"russian", 0},
        {L"Croatian", 0},
        {L"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetLangCodePage(c.name), c.codePage) << c.name;
}

TEST(LangText, LanguagesShownAsStored) {
    for (const wchar_t* name : {L"German (Germany)", L"Swiss German", L"Russian", L"Japanese",
                                L"Chinese (Simplified)", L"Vietnamese", L"Armenian"})
        EXPECT_TRUE(KeepsStoredCase(name)) << name;
    for (const wchar_t* name : {L"French (France)", L"Spanish", L"russian", L"TestLang"})
        EXPECT_FALSE(KeepsStoredCase(name)) << name;
}

TEST(LanguageNames, NamesOfLanguageIdentifiers) {
    struct Case {
        std::uint16_t id;
        const wchar_t* name;
    };
    const Case cases[] = {
        {0x0804, L"Chinese (Simplified)"},
        {0x0404, L"Chinese (Traditional)"},
        {0x1004, L"Chinese (Traditional)"},
        {0x0416, L"Portuguese (Brazil)"},
        {0x0816, L"Portuguese (Portugal)"},
        {0x0409, L"English (US)"},
        {0x0809, L"English (US)"},
        {0x0417, L"English (US)"},
        {0x0000, L"Neutral"},
        {0x0407, L"German (Germany)"},
        {0x0807, L"German (Germany)"},
        {0x040C, L"French (France)"},
        {0x041A, L"Croatian"},
        {0x0423, L"Belarusian"},
        {0x0456, L"Galician"},
        {0x0465, L"Divehi"},
        {0x0419, L"Russian"},
        {0x0411, L"Japanese"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LanguageIdName(c.id), c.name) << std::hex << c.id;
}

} // namespace
