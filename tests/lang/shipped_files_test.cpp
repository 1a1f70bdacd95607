// The language files in the runtime folder: complete, well-formed, and found by TranslateText.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "automation.h"
#include "lang/lang_data.h"
#include "lang/lang_state.h"
#include "lang/lang_text.h"
#include "lang/translate.h"

namespace {

const wchar_t* const kLanguages[] = {L"German (Germany)", L"French (France)",
                                     L"Chinese (Simplified)"};

std::wstring LanguageFolder() {
    return kvtest::RuntimeDir() + L"\\language\\";
}

std::string ReadBytes(const std::wstring& path) {
    std::string bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return bytes;
    char chunk[4096];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, file)) > 0;)
        bytes.append(chunk, n);
    fclose(file);
    return bytes;
}

// The file as the demo host hands it over: UTF-8 after the mark, CR LF kept.
std::wstring HostText(const std::wstring& language) {
    std::string bytes = ReadBytes(LanguageFolder() + language + L".ini");
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
    return kvtest::Wide(bytes);
}

// Entries of a language file by number (the header line is left out).
std::map<unsigned, std::wstring> Entries(const std::wstring& path) {
    std::wstring text;
    EXPECT_TRUE(ReadLangFile(path, 0, text)) << kvtest::Utf8(path);
    std::map<unsigned, std::wstring> entries;
    size_t start = text.find(L'\n');
    while (start != std::wstring::npos && start + 1 < text.size()) {
        size_t end = text.find(L'\n', start + 1);
        std::wstring line =
            text.substr(start + 1, end == std::wstring::npos ? end : end - start - 1);
        size_t equals = line.find(L'=');
        if (equals != std::wstring::npos)
            entries[static_cast<unsigned>(std::stoul(line.substr(0, equals)))] =
                line.substr(equals + 1);
        start = end;
    }
    return entries;
}

// The printf placeholders and line break escapes of a text, in order.
std::vector<std::wstring> Placeholders(const std::wstring& text) {
    std::vector<std::wstring> found;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == L'\\' && (text[i + 1] == L'n' || text[i + 1] == L'r')) {
            found.push_back(text.substr(i, 2));
            ++i;
        } else if (text[i] == L'%') {
            size_t end = text.find_first_not_of(L"-+ #0123456789.lh", i + 1);
            if (end == std::wstring::npos) break;
            found.push_back(text.substr(i, end - i + 1));
            i = end;
        }
    }
    return found;
}

class ShippedFiles : public ::testing::Test {
  protected:
    void SetUp() override { english_ = Entries(LanguageFolder() + L"English (US).ini"); }
    void TearDown() override { SetLangCacheData(nullptr, nullptr, "English (US)"); }
    std::map<unsigned, std::wstring> english_;
};

TEST_F(ShippedFiles, AreWrittenLikeTheLanguageFileManagerWritesThem) {
    ASSERT_FALSE(english_.empty());
    std::vector<std::wstring> files = {L"English (US)", L"comment"};
    files.insert(files.end(), std::begin(kLanguages), std::end(kLanguages));
    for (const std::wstring& name : files) {
        std::string bytes = ReadBytes(LanguageFolder() + name + L".ini");
        EXPECT_EQ(bytes.rfind("\xEF\xBB\xBFProjectName=Korvane\r\n", 0), 0u) << kvtest::Utf8(name);
        unsigned previous = 0;
        for (size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1)) {
            ASSERT_EQ(bytes[at - 1], '\r') << kvtest::Utf8(name);
            if (at + 1 == bytes.size()) break;
            unsigned number = static_cast<unsigned>(std::strtoul(&bytes[at + 1], nullptr, 10));
            EXPECT_GT(number, previous) << kvtest::Utf8(name);
            previous = number;
        }
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << kvtest::Utf8(name);
    }
    for (const auto& [number, text] : english_) {
        EXPECT_FALSE(text.empty()) << number;
        for (wchar_t c : text)
            EXPECT_LT(c, 0x80) << number; // the manager reads English as bytes
    }
}

TEST_F(ShippedFiles, EveryEntryIsTranslatedWithTheSamePlaceholders) {
    std::map<unsigned, std::wstring> comments = Entries(LanguageFolder() + L"comment.ini");
    for (const wchar_t* language : kLanguages) {
        std::map<unsigned, std::wstring> translated =
            Entries(LanguageFolder() + language + L".ini");
        for (const auto& [number, text] : english_) {
            SCOPED_TRACE(kvtest::Utf8(std::wstring(language) + L" " + std::to_wstring(number)));
            auto entry = translated.find(number);
            ASSERT_NE(entry, translated.end());
            EXPECT_FALSE(entry->second.empty());
            EXPECT_EQ(Placeholders(entry->second), Placeholders(text));
        }
        for (const auto& entry : translated)
            EXPECT_TRUE(english_.count(entry.first)) << entry.first;
    }
    // Translators get a note wherever a placeholder stands in for something.
    for (const auto& [number, text] : english_) {
        bool needsNote = !Placeholders(text).empty();
        EXPECT_TRUE(!needsNote || !comments[number].empty()) << number;
    }
}

TEST_F(ShippedFiles, TranslateEveryEntryAsTheHostHandsThemOver) {
    std::wstring englishText = HostText(L"English (US)");
    for (const wchar_t* language : kLanguages) {
        std::map<unsigned, std::wstring> translated =
            Entries(LanguageFolder() + language + L".ini");
        SetLangCacheData(englishText.c_str(), HostText(language).c_str(),
                         kvtest::Utf8(language).c_str());
        for (const auto& [number, text] : english_) {
            SCOPED_TRACE(kvtest::Utf8(std::wstring(language) + L" " + std::to_wstring(number)));
            std::wstring source = DecodeLineBreaks(text);
            std::wstring expected = DecodeLineBreaks(translated[number]);
            if (!KeepsStoredCase(language)) expected = AdjustTextCase(source, expected);
            EXPECT_EQ(TranslateText(source), expected);
        }
    }
    SetLangCacheData(englishText.c_str(), HostText(L"German (Germany)").c_str(),
                     "German (Germany)");
    EXPECT_EQ(TranslateText(L"Shrinking photos (%d out of %d)..."),
              L"Fotos werden verkleinert (%d von %d)...");
    EXPECT_EQ(TranslateText(L"Maximum pixels (K):"), L"Maximale Pixelzahl (K):");
    EXPECT_EQ(TranslateText(L"Language file modified!\r\nDo you wish to save it now?"),
              L"Die Sprachdatei wurde ge\u00e4ndert!\r\nM\u00f6chten Sie sie jetzt speichern?");
}

TEST_F(ShippedFiles, LoadFromTheLanguageFolder) {
    struct Case {
        const wchar_t* language;
        const wchar_t* text;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"German (Germany)", L"Cancel", L"Abbrechen"},
        {L"French (France)", L"Cancel", L"Annuler"},
        {L"French (France)", L"Find next", L"Rechercher le suivant"},
        {L"Chinese (Simplified)", L"Cancel", L"\u53d6\u6d88"},
        {L"Chinese (Simplified)", L"Loading photos (%d out of %d)...",
         L"\u6b63\u5728\u52a0\u8f7d\u7167\u7247\uff08\u5df2\u52a0\u8f7d %d \u5f20\uff0c\u5171 %d "
         L"\u5f20\uff09..."},
        {L"TestLang", L"Tile photos", L"[Tile photos]"},
        {L"Spanish", L"Cancel", L"Cancel"}, // no file for it
    };
    for (const Case& c : cases) {
        CLangData data([] { return kvtest::RuntimeDir() + L"\\"; }, &ReadLangFile);
        data.SetCache(L"", L"", c.language);
        EXPECT_EQ(data.Translate(c.text), c.expected) << kvtest::Utf8(c.language);
    }
}

} // namespace
