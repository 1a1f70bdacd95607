#include <windows.h>
#include <wininet.h>

#include "net/internet_error.h"

#include <algorithm>

namespace {

const size_t kMaxErrorText = 256;

std::wstring MessageFrom(HMODULE module, DWORD error) {
    wchar_t buffer[kMaxErrorText + 1] = {};
    DWORD flags = FORMAT_MESSAGE_IGNORE_INSERTS |
                  (module ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM);
    DWORD length = FormatMessageW(flags, module, error, 0, buffer, kMaxErrorText + 1, nullptr);
    return std::wstring(buffer, length);
}

std::wstring ServerResponseText() {
    DWORD code = 0;
    wchar_t buffer[kMaxErrorText + 1] = {};
    DWORD length = kMaxErrorText + 1;
    if (!InternetGetLastResponseInfoW(&code, buffer, &length)) return {};
    return std::wstring(buffer, std::min<DWORD>(length, kMaxErrorText));
}

} // namespace

std::wstring InternetErrorText(DWORD error) {
    std::wstring text;
    if (error == ERROR_INTERNET_EXTENDED_ERROR) text = ServerResponseText();
    if (text.empty() && error >= INTERNET_ERROR_BASE && error <= INTERNET_ERROR_LAST)
        text = MessageFrom(GetModuleHandleW(L"wininet.dll"), error);
    if (text.empty()) text = MessageFrom(nullptr, error);
    if (text.empty()) text = L"Error " + std::to_wstring(error);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.size() > kMaxErrorText) text.resize(kMaxErrorText);
    return text;
}
