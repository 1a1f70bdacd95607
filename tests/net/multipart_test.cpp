#include <windows.h>

#include <gtest/gtest.h>

#include "automation.h"
#include "net/file_pieces.h"
#include "net/multipart.h"
#include "net_test_support.h"

namespace {

TEST(ParseFormText, KeepsOrderDropsEmptyNamesAndUnescapesValues) {
    std::vector<FormField> fields = ParseFormText(L"b=1+2&=lost&a=x%3Dy&flag&&c=");
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[0].name, L"b");
    EXPECT_EQ(fields[0].value, L"1 2");
    EXPECT_EQ(fields[1].name, L"a");
    EXPECT_EQ(fields[1].value, L"x=y");
    EXPECT_EQ(fields[2].name, L"flag");
    EXPECT_EQ(fields[2].value, L"");
    EXPECT_EQ(fields[3].name, L"c");
    EXPECT_TRUE(ParseFormText(L"").empty());
}

TEST(ParseFileList, NeedsFieldAndPath) {
    std::vector<FormFile> files = ParseFileList(L"langfile=C:\\a\\b=c.ini;=C:\\x;empty=;two=D:\\y");
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].field, L"langfile");
    EXPECT_EQ(files[0].path, L"C:\\a\\b=c.ini");
    EXPECT_EQ(files[1].field, L"two");
    EXPECT_EQ(files[1].path, L"D:\\y");
}

TEST(ChooseBoundary, AvoidsEveryBoundaryTheContentHolds) {
    const struct {
        std::wstring value;
        std::string bytes;
        std::wstring boundary;
    } cases[] = {
        {L"plain", "plain", L"AaB03xDeGy"},
        {L"x\r\n--AaB03xDeGy--\r\n", "", L"AaB03xDeGy0"},
        {L"", "z--AaB03xDeGy\r\n", L"AaB03xDeGy0"},
        {L"AaB03xDeGy", "AaB03xDeGy0 AaB03xDeGy1", L"AaB03xDeGy2"},
    };
    for (const auto& c : cases) {
        std::vector<FormField> form = {{L"comments", c.value}};
        std::vector<FilePiece> files = {{L"langfile", L"x.ini", c.bytes}};
        std::wstring boundary = ChooseBoundary(form, files);
        EXPECT_EQ(boundary, c.boundary) << c.value;
        std::string body = BuildMultipartBody(form, files, boundary);
        // Two opening delimiters and the closing one, nothing else.
        std::string delimiter = "--" + kvtest::Utf8(boundary);
        size_t found = 0;
        for (size_t at = body.find(delimiter); at != std::string::npos;
             at = body.find(delimiter, at + 1))
            ++found;
        EXPECT_EQ(found, 3u) << c.value;
    }
}

TEST(BuildMultipartBody, WithoutFilesEndsWithTheClosingLine) {
    std::string body = BuildMultipartBody({{L"n", L"\x20AC"}}, {}, L"B");
    EXPECT_EQ(body, "--B\r\nContent-Disposition: form-data; name=\"n\"\r\n\r\n\xE2\x82\xAC\r\n"
                    "--B--\r\n");
}

TEST(LoadFilePieces, AnUnreadableFileContributesNoBytes) {
    std::wstring dir = kvtest::MakeTempDir(L"net-pieces");
    nettest::WriteBytes(dir + L"\\one.ini", std::string("a\0b\r\n", 5));
    std::vector<FilePiece> pieces;
    ASSERT_TRUE(
        LoadFilePieces({{L"f1", dir + L"\\one.ini"}, {L"f2", dir + L"\\missing.ini"}}, pieces));
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].fileName, L"one.ini");
    EXPECT_EQ(pieces[0].bytes, std::string("a\0b\r\n", 5));
    EXPECT_EQ(pieces[1].fileName, L"missing.ini");
    EXPECT_TRUE(pieces[1].bytes.empty());
}

} // namespace
