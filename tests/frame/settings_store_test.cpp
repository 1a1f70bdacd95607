#include "frame/settings_store.h"
#include "frame/settings_text.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Case {
    const wchar_t* before;  // store text, with its leading line feed
    std::function<void(CSettingsStore&)> operation;
    const wchar_t* after;
};

// Loads the text as the store holds it (Load keeps a leading line feed).
CSettingsStore StoreWith(const wchar_t* text) {
    CSettingsStore store;
    store.Load(text);
    return store;
}

TEST(SettingsStore, UpdatesFollowTheTextRules) {
    const Case cases[] = {
        {L"\n", [](CSettingsStore& s) { s.SetInt(L"AutoShrinkImage", 1); },
         L"\n[General]\nAutoShrinkImage=1\n"},
        {L"\n[General]\nA=1\n[Other]\nB=2\n", [](CSettingsStore& s) { s.SetString(L"B", L"3"); },
         L"\n[General]\nA=1\nB=3\n[Other]\nB=2\n"},
        {L"\n[General]\nA=1", [](CSettingsStore& s) { s.SetString(L"C", L"2"); },
         L"\n[General]\nA=1\nC=2\n"},
        {L"\n[General]\nA=1\nC=2\n", [](CSettingsStore& s) { s.SetString(L"A", L"5"); },
         L"\n[General]\nA=5\nC=2\n"},
        // The key keeps its spelling; a new section keeps the caller's.
        {L"\n[general]\nautoShrink=0\n", [](CSettingsStore& s) { s.SetInt(L"AUTOSHRINK", -12); },
         L"\n[general]\nautoShrink=-12\n"},
        {L"\n[General]\nA=1\n", [](CSettingsStore& s) { s.SetInt64(L"Big", -9007199254740993LL, L"Extra"); },
         L"\n[General]\nA=1\n[Extra]\nBig=-9007199254740993\n"},
        // Malformed headers are left alone and a proper section is appended.
        {L"\n[General ]\nA=1\n", [](CSettingsStore& s) { s.SetString(L"A", L"2"); },
         L"\n[General ]\nA=1\n[General]\nA=2\n"},
        {L"\n[ General]\nA=1", [](CSettingsStore& s) { s.SetString(L"A", L"2"); },
         L"\n[ General]\nA=1\n[General]\nA=2\n"},
        // An empty section gets its first entry right after the header.
        {L"\n[General]\n[Other]\nB=2\n", [](CSettingsStore& s) { s.SetString(L"A", L"1"); },
         L"\n[General]\nA=1\n[Other]\nB=2\n"},
        // Non-ASCII keys and values, surrogate pairs included, are stored verbatim.
        {L"\n", [](CSettingsStore& s) { s.SetString(L"Name\u00C9", L"\U0001F600 caf\u00E9"); },
         L"\n[General]\nName\u00C9=\U0001F600 caf\u00E9\n"},
    };
    for (const Case& c : cases) {
        CSettingsStore store;
        store.Load(std::wstring(c.before).substr(1));
        c.operation(store);
        EXPECT_EQ(store.GetText(), std::wstring(c.after).substr(1)) << "before: " << c.before;
    }
}

TEST(SettingsStore, Getters) {
    CSettingsStore s = StoreWith(L"[general]\nautoshrinkimage= 0 \nEmpty=\nNum= -42abc\nWord=x\n"
                                 L"Huge=99999999999999999999\n\u00C4=umlaut\n[Other]\nB=2\n");
    EXPECT_EQ(s.GetInt(L"AutoShrinkImage", 1), 0);
    EXPECT_EQ(s.GetString(L"B", L"x"), L"x");
    EXPECT_EQ(s.GetString(L"Empty", L"x"), L"");
    EXPECT_EQ(s.GetInt(L"Empty", 7), 7);
    EXPECT_EQ(s.GetInt(L"Missing", 7), 7);
    EXPECT_EQ(s.GetInt(L"Num", 7), -42);
    EXPECT_EQ(s.GetInt(L"Word", 7), 0);
    EXPECT_EQ(s.GetInt(L"Huge", 7), 2147483647);
    EXPECT_EQ(s.GetInt64(L"Huge"), 9223372036854775807LL);
    EXPECT_EQ(s.GetInt64(L"Missing"), 0);
    EXPECT_EQ(s.GetString(L"\u00C4", L"x"), L"umlaut");
    EXPECT_EQ(s.GetString(L"\u00E4", L"x"), L"x");  // only A-Z fold
    // A section argument becomes the current section for later calls.
    EXPECT_EQ(s.GetInt(L"B", 0, L"Other"), 2);
    EXPECT_EQ(s.GetInt(L"B", 0), 2);
    EXPECT_EQ(s.GetInt(L"Num", 0), 0);
}

TEST(SettingsStore, CarriageReturnsAndLeadingLineFeed) {
    // A CR LF header is not recognised; a value on a CR LF line is trimmed.
    CSettingsStore s = StoreWith(L"[General]\r\nA=1\r\n");
    EXPECT_EQ(s.GetString(L"A", L"x"), L"x");
    CSettingsStore t = StoreWith(L"[General]\nA=1\r\nB=2\n");
    EXPECT_EQ(t.GetString(L"A", L"x"), L"1");

    CSettingsStore u = StoreWith(L"\n[General]\nA=1\n");
    EXPECT_EQ(u.GetText(), L"[General]\nA=1\n");
    CSettingsStore empty = StoreWith(L"");
    EXPECT_EQ(empty.GetText(), L"");
}

TEST(SettingsText, ParseMatchesTheRuntime) {
    EXPECT_EQ(ParseInt32(L"  +15x"), 15);
    EXPECT_EQ(ParseInt32(L"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseInt32(L"-2147483649"), -2147483647 - 1);
    EXPECT_EQ(ParseInt32(L"-"), 0);
    EXPECT_EQ(ParseInt64(L"-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(ParseInt64(L"\t12"), 12);
}

}  // namespace
