#include <windows.h>
#include <wininet.h>

#include "common/process.h"

#include "common/strings.h"

namespace {

int KindOfScheme(INTERNET_SCHEME scheme) {
    switch (scheme) {
    case INTERNET_SCHEME_FTP:
        return kServiceFtp;
    case INTERNET_SCHEME_GOPHER:
        return kServiceGopher;
    case INTERNET_SCHEME_HTTP:
        return kServiceHttp;
    case INTERNET_SCHEME_HTTPS:
        return kServiceHttps;
    case INTERNET_SCHEME_FILE:
        return kServiceFile;
    case INTERNET_SCHEME_MAILTO:
        return kServiceMailto;
    case INTERNET_SCHEME_NEWS:
        return kServiceNews;
    default:
        return kServiceUnknown;
    }
}

bool IsAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

// "C:\..." or "\\server\...": a local or network path rather than an address.
bool IsFilePath(std::wstring_view target) {
    if (target.size() >= 3 && IsAsciiLetter(target[0]) && target[1] == L':' &&
        (target[2] == L'\\' || target[2] == L'/'))
        return true;
    return target.starts_with(L"\\\\");
}

} // namespace

int ClassifyTarget(std::wstring& target) {
    if (target.empty()) return kServiceUnknown;
    if (target.find(L':') == std::wstring::npos && !target.starts_with(L"\\\\") &&
        target.find(L'.') != std::wstring::npos)
        target.insert(0, L"http://");
    if (IsFilePath(target)) return kServiceFile;
    URL_COMPONENTSW parts = {};
    parts.dwStructSize = sizeof(parts);
    parts.dwSchemeLength = 1;
    parts.dwHostNameLength = 1;
    parts.dwUrlPathLength = 1;
    if (!InternetCrackUrlW(target.c_str(), 0, 0, &parts)) return kServiceUnknown;
    size_t colon = target.find(L':');
    if (colon != std::wstring::npos && colon > 0) {
        std::wstring scheme = AsciiLower(std::wstring_view(target).substr(0, colon));
        if (scheme == L"nntp") return kServiceNntp;
        if (scheme == L"telnet") return kServiceTelnet;
    }
    return KindOfScheme(parts.nScheme);
}
