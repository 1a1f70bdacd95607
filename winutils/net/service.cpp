#include <windows.h>

#include "net/service.h"

#include <vector>

namespace {

const wchar_t kServiceHost[] = L"http://www.korvane.com";
const wchar_t kOverrideVariable[] = L"KORVANE_SERVICE_URL";

std::wstring OverrideFromEnvironment() {
    DWORD size = GetEnvironmentVariableW(kOverrideVariable, nullptr, 0);
    if (size == 0) return {};
    std::vector<wchar_t> buffer(size);
    DWORD length = GetEnvironmentVariableW(kOverrideVariable, buffer.data(), size);
    if (length == 0 || length >= size) return {};
    return std::wstring(buffer.data(), length);
}

} // namespace

std::wstring ServiceBaseUrl() {
    std::wstring base = OverrideFromEnvironment();
    if (base.empty()) base = kServiceHost;
    while (!base.empty() && base.back() == L'/')
        base.pop_back();
    return base;
}

std::wstring PickedFramesUrl() {
    return ServiceBaseUrl() + L"/photoframes/pickedframes.php";
}

std::wstring SubmitLanguageUrl() {
    return ServiceBaseUrl() + L"/en/submitlang.php";
}

std::wstring SubmitLanguageReferer() {
    return ServiceBaseUrl() + L"/en/submitlang.htm";
}
