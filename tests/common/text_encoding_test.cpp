#include <gtest/gtest.h>

#include <string>

#include "common/text_encoding.h"

namespace {

TEST(TextEncoding, DetectsByteOrderMarks) {
    struct Case {
        std::string bytes;
        TextEncoding encoding;
        size_t mark;
    };
    const Case cases[] = {
        {"\xFF\xFE"
         "a\0",
         TextEncoding::Utf16Le, 2},
        {"\xFF\xFE", TextEncoding::Utf16Le, 2},
        {"\xEF\xBB\xBF"
         "a",
         TextEncoding::Utf8, 3},
        {"\xEF\xBB", TextEncoding::CodePage, 0},
        {"\xFE\xFF\0a", TextEncoding::CodePage, 0}, // big-endian is not recognised
        {"", TextEncoding::CodePage, 0},
        {"\xFF", TextEncoding::CodePage, 0},
    };
    for (const auto& c : cases) {
        size_t mark = 99;
        EXPECT_EQ(DetectByteOrderMark(c.bytes, mark), c.encoding);
        EXPECT_EQ(mark, c.mark);
    }
}

TEST(TextEncoding, Utf16StopsAtNulAndDropsAnOddByte) {
    EXPECT_EQ(DecodeUtf16Le(std::string("a\0b\0", 4)), L"ab");
    EXPECT_EQ(DecodeUtf16Le(std::string("a\0b\0c", 5)), L"ab");
    EXPECT_EQ(DecodeUtf16Le(std::string("a\0\0\0b\0", 6)), L"a");
    EXPECT_EQ(DecodeUtf16Le(std::string("\xAC\x20", 2)), L"\u20AC");
    EXPECT_EQ(DecodeUtf16Le(std::string("x", 1)), L"");
}

TEST(TextEncoding, Utf8DecodesWhatIsValidAndReplacesTheRest) {
    struct Case {
        std::string bytes;
        std::wstring text;
    };
    const std::wstring bad(1, wchar_t(0xFFFD));
    const Case cases[] = {
        {"a\xC3\xA9z", L"a\u00E9z"},
        {"\xE2\x82\xAC", L"\u20AC"},
        {"\xF0\x9F\x98\x80", L"\U0001F600"}, // becomes a surrogate pair
        {"a\xC3", L"a" + bad},               // cut short at the end
        {"a\xE2\x82", L"a" + bad},
        {"\xF0\x9F\x98", bad},
        {"\xC3z", bad + L"z"},     // the next byte is kept
        {"\x80\xBF", bad + bad},   // stray continuation bytes
        {"\xC0\xAF", bad + bad},   // overlong lead is never valid
        {"\xE0\x80\xAF", bad},     // overlong three-byte form
        {"\xED\xA0\x80", bad},     // an encoded surrogate
        {"\xF4\x90\x80\x80", bad}, // beyond U+10FFFF
        {"\xFF\xFEx", bad + bad + L"x"},
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeUtf8(c.bytes), c.text);
}

TEST(TextEncoding, Utf8RoundTripAndLoneSurrogates) {
    const std::wstring text = L"K\u00F6ln \u20AC \U0001F600 \u4E2D";
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(text)), text);
    EXPECT_EQ(EncodeUtf8(L"\u00E9"), "\xC3\xA9");
    EXPECT_EQ(EncodeUtf8(std::wstring(1, wchar_t(0xD800)) + L"a"), "\xEF\xBF\xBD"
                                                                   "a");
    EXPECT_EQ(EncodeUtf8(std::wstring(1, wchar_t(0xDC00))), "\xEF\xBF\xBD");
}

TEST(TextEncoding, LineEnds) {
    EXPECT_EQ(CollapseCrLf(L"a\r\nb\r\n"), L"a\nb\n");
    EXPECT_EQ(CollapseCrLf(L"a\rb\n\r"), L"a\rb\n\r");
    EXPECT_EQ(ExpandLineFeeds(L"a\nb\n"), L"a\r\nb\r\n");
    EXPECT_EQ(ExpandLineFeeds(L"\na\r\nb"), L"\r\na\r\nb"); // no CR CR LF
}

TEST(TextEncoding, ByteOrderMarkExceptForPhp) {
    EXPECT_TRUE(WantsByteOrderMark(L"C:\\x\\a.txt"));
    EXPECT_FALSE(WantsByteOrderMark(L"C:\\x\\submit.php"));
    EXPECT_FALSE(WantsByteOrderMark(L"C:\\x\\submit.PHP"));
    EXPECT_TRUE(WantsByteOrderMark(L"C:\\x\\php"));
}

} // namespace
