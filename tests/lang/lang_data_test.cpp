// Translation through the language state, with language files kept in memory.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "lang/lang_data.h"

namespace {

const wchar_t kFolder[] = L"C:\\Korvane\\";
const std::wstring kEnglishPath = L"C:\\Korvane\\language\\English (US).ini";

class LangData : public ::testing::Test {
  protected:
    LangData()
        : data_([] { return std::wstring(kFolder); },
                [this](const std::wstring& path, unsigned codePage, std::wstring& text) {
                    reads_.push_back(path);
                    codePages_[path] = codePage;
                    auto file = files_.find(path);
                    if (file == files_.end()) return false;
                    text = file->second;
                    return true;
                }) {}

    static std::wstring PathOf(const std::wstring& language) {
        return std::wstring(kFolder) + L"language\\" + language + L".ini";
    }

    std::map<std::wstring, std::wstring> files_;
    std::vector<std::wstring> reads_;
    std::map<std::wstring, unsigned> codePages_;
    CLangData data_;
};

const wchar_t kEnglish[] = L"ProjectName=Korvane\n1=Cancel\n5=Open\n6=File\n7=Page\n"
                           L"8=Save && Exit\n9=Two\\nlines\n10=Size: w=h\n11=Only English\n"
                           L"12=OK\n13=Hidden\n";
const wchar_t kGerman[] = L"ProjectName=Korvane\n1=Abbrechen\n5=\u00d6ffnen\n6=Datei\n7=Seite\n"
                          L"8=Speichern && Beenden\n9=Zwei\\nZeilen\n12=ok\n13=\n";

TEST_F(LangData, EnglishShowsTextsUnchangedWithoutReadingFiles) {
    files_[kEnglishPath] = kEnglish;
    EXPECT_EQ(data_.CurrentLanguage(), L"English (US)");
    EXPECT_EQ(data_.Translate(L"Open..."), L"Open...");
    EXPECT_EQ(data_.Translate(L""), L"");
    EXPECT_TRUE(reads_.empty());
}

TEST_F(LangData, TranslatesWithTheRulesOfTheLanguageFiles) {
    data_.SetCache(kEnglish, kGerman, L"German (Germany)");
    struct Case {
        const wchar_t* text;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"Open...", L"\u00d6ffnen..."},
        {L"open", L"\u00d6ffnen"},     // English is searched ignoring ASCII case
        {L"  Open  ", L"\u00d6ffnen"}, // ...and trimmed
        {L"&File", L"Datei"},          // found again without the mnemonic
        {L"Save && Exit", L"Speichern && Beenden"},
        {L"Page 12", L"Seite 12"},
        {L"Page:", L"Seite:"},
        {L"Two\nlines", L"Zwei\nZeilen"},         // searched with the escape, shown with a break
        {L"Only English...", L"Only English..."}, // number without translation
        {L"Hidden", L"Hidden"},                   // empty translation
        {L"OK", L"ok"},                           // German values are shown as stored
        {L"ProjectName", L"ProjectName"},
        {L"Korvane", L"Korvane"}, // the header line never matches
        {L"h", L"h"},             // a "=" inside another entry's text
        {L"Unknown", L"Unknown"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(data_.Translate(c.text), c.expected) << c.text;
}

TEST_F(LangData, MatchesTheSourceCaseExceptForLanguagesShownAsStored) {
    const wchar_t english[] = L"ProjectName=Korvane\n1=OK\n2=Open\n";
    const wchar_t values[] = L"ProjectName=Korvane\n1=Ok\n2=ouvrir\n";
    data_.SetCache(english, values, L"French (France)");
    EXPECT_EQ(data_.Translate(L"OK"), L"OK");
    EXPECT_EQ(data_.Translate(L"Open"), L"Ouvrir");
    EXPECT_EQ(data_.Translate(L"Open:"), L"Ouvrir:");
    for (const wchar_t* language : {L"German (Germany)", L"Russian"}) {
        data_.SetCache(english, values, language);
        EXPECT_EQ(data_.Translate(L"OK"), L"Ok") << language;
        EXPECT_EQ(data_.Translate(L"Open"), L"ouvrir") << language;
    }
}

TEST_F(LangData, TestLangMarksTranslatableTexts) {
    files_[kEnglishPath] = kEnglish;
    data_.SetCache(L"", L"", L"TestLang");
    EXPECT_EQ(data_.Translate(L"Cancel"), L"[Cancel]");
    EXPECT_EQ(data_.Translate(L"Open..."), L"[Open]...");
    EXPECT_EQ(data_.Translate(L"&File"), L"[&File]");
    EXPECT_EQ(data_.Translate(L"Unknown"), L"Unknown");
    EXPECT_EQ(reads_, std::vector<std::wstring>{kEnglishPath}); // English read once
}

TEST_F(LangData, HandedOverTextStaysWhenTheLanguageHasNoFile) {
    data_.SetCache(kEnglish, kGerman, L"German (Germany)");
    EXPECT_EQ(data_.Translate(L"Cancel"), L"Abbrechen");
    EXPECT_EQ(reads_, std::vector<std::wstring>{PathOf(L"German (Germany)")});
    EXPECT_EQ(codePages_[PathOf(L"German (Germany)")], 1252u);
    EXPECT_EQ(data_.Translate(L"Cancel"), L"Abbrechen");
    EXPECT_EQ(reads_.size(), 1u); // the path is remembered: no second attempt
}

TEST_F(LangData, ReadsLanguageFilesWhenNothingWasHandedOver) {
    files_[kEnglishPath] = kEnglish;
    files_[PathOf(L"Chinese (Simplified)")] = L"ProjectName=Korvane\n1=\u53d6\u6d88\n";
    files_[PathOf(L"German (Germany)")] = kGerman;
    data_.SetCache(L"", L"", L"Chinese (Simplified)");
    EXPECT_EQ(data_.Translate(L"Cancel"), L"\u53d6\u6d88");
    EXPECT_EQ(codePages_[kEnglishPath], 0u); // the ANSI code page for English
    EXPECT_EQ(codePages_[PathOf(L"Chinese (Simplified)")], 936u);
    // Another language's file replaces the current text.
    data_.SetCache(L"", L"", L"German (Germany)");
    EXPECT_EQ(data_.Translate(L"Cancel"), L"Abbrechen");
    // A file on disk wins over the text handed over for a language not read yet.
    data_.SetCache(kEnglish, L"ProjectName=Korvane\n1=Cancelar\n", L"Chinese (Simplified)");
    EXPECT_EQ(data_.Translate(L"Cancel"), L"\u53d6\u6d88");
}

TEST_F(LangData, TextsWithCarriageReturnsFromTheHost) {
    data_.SetCache(L"ProjectName=Korvane\r\n1=Cancel\r\n",
                   L"ProjectName=Korvane\r\n1=Abbrechen\r\n", L"German (Germany)");
    EXPECT_EQ(data_.Translate(L"Cancel"), L"Abbrechen");
}

TEST_F(LangData, ValuesOfTheEnglishFileAndOfOtherFiles) {
    files_[kEnglishPath] = kEnglish;
    files_[PathOf(L"German (Germany)")] = kGerman;
    EXPECT_EQ(data_.Value(kEnglishPath, L"5", L"-"), L"Open");
    EXPECT_EQ(data_.Value(kEnglishPath, L"ProjectName", L"-"), L"Korvane");
    EXPECT_EQ(data_.Value(PathOf(L"German (Germany)"), L"9", L"-"), L"Zwei\nZeilen");
    EXPECT_EQ(data_.Value(PathOf(L"German (Germany)"), L"99", L"-"), L"-");
    EXPECT_EQ(data_.FindTextId(L"Two\nlines"), 9u);
    EXPECT_EQ(data_.FindTextId(L"Missing"), 0u);
    data_.ReplaceCurrentText(L"ProjectName=Korvane\n5=Aufmachen\n");
    EXPECT_EQ(data_.Value(PathOf(L"German (Germany)"), L"5", L"-"), L"Aufmachen");
    EXPECT_EQ(data_.FilePath(L""), PathOf(L"English (US)"));
    data_.SetCache(L"", L"", L"");
    EXPECT_EQ(data_.FilePath(L""), PathOf(L""));
}

TEST_F(LangData, EnglishEntryOnTheFirstLineIsNeverFound) {
    data_.SetCache(L"1=Cancel\n2=Open\n", L"ProjectName=Korvane\n1=Abbrechen\n2=\u00d6ffnen\n",
                   L"German (Germany)");
    EXPECT_EQ(data_.Translate(L"Cancel"), L"Cancel");
    EXPECT_EQ(data_.Translate(L"Open"), L"\u00d6ffnen");
}

TEST_F(LangData, EnglishFileIsReadAgainOnlyAfterTheHostEmptiedIt) {
    data_.SetCache(L"", L"", L"TestLang");
    EXPECT_EQ(data_.Translate(L"Cancel"), L"Cancel"); // no English file yet
    files_[kEnglishPath] = kEnglish;
    EXPECT_EQ(data_.Translate(L"Cancel"), L"Cancel");
    data_.SetCache(L"", L"", L"TestLang");
    EXPECT_EQ(data_.Translate(L"Cancel"), L"[Cancel]");
}

} // namespace
