#include <gtest/gtest.h>

#include <string>

#include "common/domains.h"

namespace {

TEST(Domains, RegistrableDomain) {
    struct Case {
        const wchar_t* host;
        const wchar_t* domain;
    };
    const Case cases[] = {
        {L"w.example.com", L"example.com"},
        {L"p.example.co.uk", L"example.co.uk"},
        {L"s.example.com.cn", L"example.com.cn"},
        {L"a.example.de", L"example.de"},
        {L"example.com", L"example.com"},
        {L"co.uk", L"co.uk"},
        {L"localhost", L""},
        {L"", L""},
        {L"w.example.CO.uk", L"CO.uk"}, // the table compares case-sensitively
        {L"a.b.example.museum.at", L"example.museum.at"},
        {L"a.example.com.abc", L"com.abc"},   // three-letter last label: two labels
        {L"a..example.com.", L"example.com"}, // empty labels do not count
        {L"..a..", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RegistrableDomain(c.host), c.domain) << c.host;
}

TEST(Domains, DomainNamesAndEmailAddresses) {
    struct Case {
        const wchar_t* text;
        bool email;
    };
    const Case cases[] = {
        {L"a@x.y", true},
        {L"@x.y", false},
        {L"a@", false},
        {L"a@xy", false},
        {L"a@x..y", false},
        {L"a b@x.y", true}, // only the part after the "@" is checked
        {L"a@.x.y", false},
        {L"a@x.y.", false},
        {L"a@x_y.z", false},
        {L"a@b@x.y", false},
        {L"a@sub-1.example.com", true},
        {L"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsEmailAddress(c.text), c.email) << c.text;

    EXPECT_TRUE(IsDomainName(L"x.y"));
    EXPECT_FALSE(IsDomainName(L"x."));
    EXPECT_FALSE(IsDomainName(L"xy"));
    EXPECT_FALSE(IsDomainName(L"ex\u00e4mple.de"));
}

TEST(Domains, EndsWith) {
    EXPECT_TRUE(EndsWith(L"w.Example.com", L"example.COM", false));
    EXPECT_FALSE(EndsWith(L"w.Example.com", L"example.COM", true));
    EXPECT_TRUE(EndsWith(L"w.example.com", L"example.com", true));
    EXPECT_FALSE(EndsWith(L"anything", L"", false));
    EXPECT_FALSE(EndsWith(L"com", L".com", false));
}

TEST(Domains, Lists) {
    EXPECT_FALSE(ListContains(L"a,bb,c", L",", L"b"));
    EXPECT_TRUE(ListContains(L"a,bb,c", L",", L"bb"));
    EXPECT_TRUE(ListContains(L"a,bb,c", L",", L"a"));
    EXPECT_TRUE(ListContains(L"a,bb,c", L",", L"c"));
    EXPECT_FALSE(ListContains(L"", L",", L"a"));
    EXPECT_FALSE(ListContains(L"a", L",", L""));
    EXPECT_FALSE(ListContains(L"A", L",", L"a"));

    EXPECT_EQ(ListAppend(L"", L",", L"a"), L"a");
    EXPECT_EQ(ListAppend(L"a", L";", L"a"), L"a;a");

    struct RemoveCase {
        const wchar_t* list;
        const wchar_t* item;
        bool removed;
        const wchar_t* after;
    };
    const RemoveCase cases[] = {
        {L"a,b,c", L"b", true, L"a,c"},
        {L"b", L"b", true, L""},
        {L"a,b,c", L"a", true, L"b,c"},
        {L"a,b,c", L"c", true, L"a,b"},
        {L"a,bb,c", L"b", false, L"a,bb,c"},
        {L"b,a,b", L"b", true, L"a,b"},
        {L"", L"b", false, L""},
        {L"a", L"", false, L"a"},
    };
    for (const auto& c : cases) {
        std::wstring list = c.list;
        EXPECT_EQ(ListRemove(list, L",", c.item), c.removed) << c.list << L" - " << c.item;
        EXPECT_EQ(list, c.after) << c.list << L" - " << c.item;
    }
}

} // namespace
