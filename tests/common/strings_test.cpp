#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/strings.h"

namespace {

TEST(Strings, IsNumber) {
    struct Case {
        const wchar_t* text;
        bool number;
    };
    const Case cases[] = {
        {L"-1.5", true},   {L"+7", true},   {L"0", true},   {L"12.", true}, {L".5", true},
        {L"1.2.3", false}, {L"+", false},   {L"", false},   {L".", false},  {L"-.", false},
        {L"1e5", false},   {L"--1", false}, {L" 1", false}, {L"1-", false}, {L"١٢", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsNumber(c.text), c.number) << c.text;
}

TEST(Strings, SortNoCaseFoldsOnlyAsciiLetters) {
    std::vector<std::wstring> list = {L"[2] b",   L"beta",   L"[10] a", L"Alpha",
                                      L"[*] own", L"_under", L"ALPHA2", L"Zed"};
    SortNoCase(list);
    // "_" sorts before letters because letters fold to lower case.
    const std::vector<std::wstring> expected = {L"[*] own", L"[10] a", L"[2] b", L"_under",
                                                L"Alpha",   L"ALPHA2", L"beta",  L"Zed"};
    EXPECT_EQ(list, expected);
}

TEST(Strings, CompareNoCase) {
    EXPECT_EQ(CompareNoCase(L"abc", L"ABC"), 0);
    EXPECT_LT(CompareNoCase(L"ab", L"ABC"), 0);
    EXPECT_GT(CompareNoCase(L"b", L"A"), 0);
    EXPECT_NE(CompareNoCase(L"é", L"É"), 0);
}

} // namespace
