// The pieces of an http or https address the internet layer connects with.
#pragma once
#include <windows.h>
#include <wininet.h>

#include <string>
#include <string_view>

struct HttpTarget {
    bool secure = false;
    std::wstring host;
    INTERNET_PORT port = 0;
    std::wstring user;
    std::wstring password;
    std::wstring object; // path and query, at least "/"
};

// False for other schemes and for addresses the platform's parser rejects.
bool SplitHttpUrl(const std::wstring& url, HttpTarget& target);

// The one video-sharing site whose server gets no cookies (matched inside the host name).
bool IsCookieFreeServer(std::wstring_view host);
