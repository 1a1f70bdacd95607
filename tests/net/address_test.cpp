#include <windows.h>

#include <gtest/gtest.h>

#include "net/http_date.h"
#include "net/http_target.h"
#include "net/service.h"
#include "net/url_scheme.h"

namespace {

TEST(UrlScheme, FollowsTheSchemeRules) {
    const struct {
        const wchar_t* url;
        const wchar_t* scheme;
    } cases[] = {
        {L"http://a.b/c", L"http"},
        {L"HTTPS://a.b/", L"https"},
        {L"JavaScript:alert(1)", L"javascript"},
        {L"ABOUT:blank", L"about"},
        {L"ftp://x/y://z", L"ftp"},
        {L"x://host", L""},   // one letter is no scheme
        {L"h2p://host", L""}, // letters only
        {L"www.a.b/c", L""},
        {L"127.0.0.1:8080/x", L""},
        {L"localhost:80/a://b", L""},
        {L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UrlScheme(c.url), c.scheme) << c.url;
    EXPECT_EQ(WithDefaultScheme(L"www.a.b/c"), L"http://www.a.b/c");
    EXPECT_EQ(WithDefaultScheme(L"127.0.0.1:8080/x"), L"http://127.0.0.1:8080/x");
    EXPECT_EQ(WithDefaultScheme(L"https://a.b"), L"https://a.b");
    EXPECT_EQ(WithDefaultScheme(L"about:blank"), L"about:blank");
}

TEST(SplitHttpUrl, GivesTheConnectionPieces) {
    HttpTarget target;
    ASSERT_TRUE(SplitHttpUrl(L"https://user:pw@Host.Example:8443/a/b.php?x=1&y=%20", target));
    EXPECT_TRUE(target.secure);
    EXPECT_EQ(target.host, L"Host.Example");
    EXPECT_EQ(target.port, 8443);
    EXPECT_EQ(target.user, L"user");
    EXPECT_EQ(target.password, L"pw");
    EXPECT_EQ(target.object, L"/a/b.php?x=1&y=%20");

    ASSERT_TRUE(SplitHttpUrl(L"http://host.example", target));
    EXPECT_FALSE(target.secure);
    EXPECT_EQ(target.port, 80);
    EXPECT_EQ(target.object, L"/");
    EXPECT_TRUE(target.user.empty());

    for (const wchar_t* bad : {L"ftp://host/file", L"javascript:alert(1)", L"http://", L"nothing"})
        EXPECT_FALSE(SplitHttpUrl(bad, target)) << bad;
}

TEST(IsCookieFreeServer, MatchesTheVideoSiteInsideTheHostName) {
    EXPECT_TRUE(IsCookieFreeServer(L"www.youtube.com"));
    EXPECT_TRUE(IsCookieFreeServer(L"M.YouTube.com"));
    EXPECT_FALSE(IsCookieFreeServer(L"www.korvane.com"));
}

TEST(FormatHttpDate, WritesGmtWithEnglishNames) {
    const struct {
        std::uint64_t seconds; // since 1970
        const wchar_t* text;
    } cases[] = {
        {0, L"Thu, 01 Jan 1970 00:00:00 GMT"},
        {1615734566, L"Sun, 14 Mar 2021 15:09:26 GMT"},
        {951782400, L"Tue, 29 Feb 2000 00:00:00 GMT"},
        {4102444799, L"Thu, 31 Dec 2099 23:59:59 GMT"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatHttpDate((c.seconds + 11644473600ull) * 10000000ull), c.text);
    // Before 1970, and a fraction of a second that is dropped.
    EXPECT_EQ(FormatHttpDate(9999999), L"Mon, 01 Jan 1601 00:00:00 GMT");
}

TEST(ServiceBaseUrl, TakesTheOverrideWithoutTrailingSlash) {
    wchar_t saved[512] = {};
    DWORD length = GetEnvironmentVariableW(L"KORVANE_SERVICE_URL", saved, 512);
    SetEnvironmentVariableW(L"KORVANE_SERVICE_URL", L"http://127.0.0.1:1234//");
    EXPECT_EQ(ServiceBaseUrl(), L"http://127.0.0.1:1234");
    EXPECT_EQ(PickedFramesUrl(), L"http://127.0.0.1:1234/photoframes/pickedframes.php");
    EXPECT_EQ(SubmitLanguageUrl(), L"http://127.0.0.1:1234/en/submitlang.php");
    EXPECT_EQ(SubmitLanguageReferer(), L"http://127.0.0.1:1234/en/submitlang.htm");
    SetEnvironmentVariableW(L"KORVANE_SERVICE_URL", nullptr);
    EXPECT_EQ(UrlScheme(ServiceBaseUrl()), L"http");
    SetEnvironmentVariableW(L"KORVANE_SERVICE_URL", length ? saved : nullptr);
}

} // namespace
