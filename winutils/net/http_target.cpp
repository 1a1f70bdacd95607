#include <windows.h>
#include <wininet.h>

#include "net/http_target.h"

#include "common/strings.h"

namespace {

const wchar_t kCookieFreeDomain[] = L"youtube.com";

std::wstring Piece(const wchar_t* start, DWORD length) {
    return start ? std::wstring(start, length) : std::wstring();
}

} // namespace

bool SplitHttpUrl(const std::wstring& url, HttpTarget& target) {
    target = {};
    URL_COMPONENTSW parts = {};
    parts.dwStructSize = sizeof(parts);
    // Non-zero lengths without buffers ask for pointers into the address itself.
    parts.dwHostNameLength = 1;
    parts.dwUserNameLength = 1;
    parts.dwPasswordLength = 1;
    parts.dwUrlPathLength = 1;
    parts.dwExtraInfoLength = 1;
    if (url.empty() || !InternetCrackUrlW(url.c_str(), 0, 0, &parts)) return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)
        return false;
    target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    target.host = Piece(parts.lpszHostName, parts.dwHostNameLength);
    if (target.host.empty()) return false;
    target.port = parts.nPort;
    target.user = Piece(parts.lpszUserName, parts.dwUserNameLength);
    target.password = Piece(parts.lpszPassword, parts.dwPasswordLength);
    target.object = Piece(parts.lpszUrlPath, parts.dwUrlPathLength) +
                    Piece(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (target.object.empty() || target.object[0] != L'/') target.object.insert(0, 1, L'/');
    return true;
}

bool IsCookieFreeServer(std::wstring_view host) {
    return AsciiLower(host).find(kCookieFreeDomain) != std::wstring::npos;
}
