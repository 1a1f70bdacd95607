#include <windows.h>
#include <wininet.h>

#include "common/url.h"

#include "common/strings.h"

std::wstring HostOfUrl(const std::wstring& url) {
    URL_COMPONENTSW parts = {};
    parts.dwStructSize = sizeof(parts);
    // A non-zero length with no buffer asks for a pointer into the URL itself.
    parts.dwHostNameLength = 1;
    if (url.empty() || !InternetCrackUrlW(url.c_str(), 0, 0, &parts) || !parts.lpszHostName)
        return {};
    return AsciiLower(std::wstring_view(parts.lpszHostName, parts.dwHostNameLength));
}
