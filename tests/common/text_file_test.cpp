#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "automation.h"
#include "common/text_file.h"
#include "test_files.h"

namespace {

using commontest::ReadBytes;
using commontest::WriteBytes;

class TextFileTest : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = kvtest::MakeTempDir(L"common-text"); }
    std::wstring Path(const std::wstring& name) const { return dir_ + L"\\" + name; }
    std::wstring dir_;
};

TEST_F(TextFileTest, ReadsEachEncodingWithLineFeedsOnly) {
    struct Case {
        const wchar_t* name;
        std::string bytes;
        unsigned int codePage;
        std::wstring text;
    };
    const Case cases[] = {
        // UTF-16 LE after FF FE: "Köln" CR LF "€" CR LF, read up to the first NUL.
        {L"utf16.ini", std::string("\xFF\xFEK\0\xF6\0l\0n\0\r\0\n\0\xAC\x20\r\0\n\0\0\0x\0", 24), 0,
         L"K\u00F6ln\n\u20AC\n"},
        // UTF-8 after EF BB BF.
        {L"utf8.ini", "\xEF\xBB\xBFK\xC3\xB6ln\r\n\xE2\x82\xAC\r\n", 0, L"K\u00F6ln\n\u20AC\n"},
        // No mark: the code page decides (1252: F6 is o-umlaut, 80 is the euro sign).
        {L"ansi.ini", "K\xF6ln\r\n\x80\r\n", 1252, L"K\u00F6ln\n\u20AC\n"},
        // A lone CR stays.
        {L"cr.ini", "a\rb\r\n", 1252, L"a\rb\n"},
        // An odd byte after UTF-16 text is dropped, not read past.
        {L"odd.ini",
         std::string("\xFF\xFE"
                     "a\0b\0c",
                     7),
         0, L"ab"},
        // Broken UTF-8 after the mark decodes as far as it is valid.
        {L"broken.ini",
         "\xEF\xBB\xBF"
         "ok\xE2\x82",
         0, L"ok\uFFFD"},
        {L"empty.ini", "", 1252, L""},
        {L"markonly.ini", "\xEF\xBB\xBF", 0, L""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteBytes(Path(c.name), c.bytes));
        std::wstring text = L"stale";
        EXPECT_EQ(ReadTextFile(Path(c.name), text, c.codePage), (long long)c.bytes.size())
            << c.name;
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_EQ(FileSize(Path(c.name)), (long long)c.bytes.size()) << c.name;
    }
}

TEST_F(TextFileTest, MissingFilesAndFolders) {
    std::wstring text = L"stale";
    EXPECT_EQ(ReadTextFile(Path(L"missing.ini"), text), -1);
    EXPECT_EQ(text, L"");
    EXPECT_EQ(FileSize(Path(L"missing.ini")), -1);
    EXPECT_EQ(FileSize(dir_), -1);
    EXPECT_EQ(ReadTextFile(dir_, text), -1);
}

TEST_F(TextFileTest, WritesUtf8WithCrLfAndAMarkExceptForPhp) {
    struct Case {
        const wchar_t* name;
        std::wstring text;
        std::string bytes;
    };
    const Case cases[] = {
        {L"out.php", L"a\nb", "a\r\nb"},
        {L"OUT2.PHP", L"a\nb", "a\r\nb"},
        {L"out.txt", L"a\nb",
         "\xEF\xBB\xBF"
         "a\r\nb"},
        {L"crlf.txt", L"a\r\nb\n",
         "\xEF\xBB\xBF"
         "a\r\nb\r\n"},
        {L"utf8.ini", L"\u00E9\u20AC\U0001F600",
         "\xEF\xBB\xBF\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
        {L"empty.txt", L"", "\xEF\xBB\xBF"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteUtf8TextFile(Path(c.name), c.text)) << c.name;
        EXPECT_EQ(ReadBytes(Path(c.name)), c.bytes) << c.name;
    }
    // Writing truncates, and what was written reads back as it was given.
    ASSERT_TRUE(WriteUtf8TextFile(Path(L"out.txt"), L"x"));
    EXPECT_EQ(ReadBytes(Path(L"out.txt")), "\xEF\xBB\xBFx");
    std::wstring text;
    ASSERT_TRUE(WriteUtf8TextFile(Path(L"round.ini"), L"1=K\u00F6ln\n2=\u20AC\n"));
    EXPECT_GT(ReadTextFile(Path(L"round.ini"), text), 0);
    EXPECT_EQ(text, L"1=K\u00F6ln\n2=\u20AC\n");
}

TEST_F(TextFileTest, WriteFailsWhereNoFileCanBeCreated) {
    EXPECT_FALSE(WriteUtf8TextFile(Path(L"no\\such\\folder\\a.txt"), L"a"));
    EXPECT_FALSE(WriteUtf8TextFile(dir_, L"a"));
}

TEST_F(TextFileTest, LongPaths) {
    std::wstring folder = dir_;
    while (folder.size() < 300)
        folder += L"\\" + std::wstring(40, L'd');
    std::wstring prefixed = L"\\\\?\\" + folder;
    // Created here step by step so this test does not depend on the folder functions.
    for (size_t pos = dir_.size() + 1; pos <= folder.size(); ++pos)
        if (pos == folder.size() || folder[pos] == L'\\')
            CreateDirectoryW((L"\\\\?\\" + folder.substr(0, pos)).c_str(), nullptr);
    std::wstring path = folder + L"\\long.txt";
    ASSERT_GT(path.size(), size_t(MAX_PATH));
    ASSERT_TRUE(WriteUtf8TextFile(path, L"long\n"));
    EXPECT_EQ(FileSize(path), 9);
    std::wstring text;
    EXPECT_EQ(ReadTextFile(path, text), 9);
    EXPECT_EQ(text, L"long\n");
}

} // namespace
