#include <windows.h>

#include "common/process.h"

#include "common/handles.h"
#include "common/proc_address.h"

int GetElevationType() {
    // Looked up at run time: systems before elevation lack the query.
    HMODULE advapi = GetModuleHandleW(L"advapi32.dll");
    UniqueModule loaded;
    if (!advapi) {
        loaded.reset(LoadLibraryW(L"advapi32.dll"));
        advapi = loaded.get();
    }
    using OpenTokenFn = BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE);
    using TokenInfoFn = BOOL(WINAPI*)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD);
    auto openToken = GetProcAs<OpenTokenFn>(advapi, "OpenProcessToken");
    auto tokenInfo = GetProcAs<TokenInfoFn>(advapi, "GetTokenInformation");
    if (!openToken || !tokenInfo) return TokenElevationTypeDefault;
    UniqueHandle token;
    if (!openToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) return TokenElevationTypeDefault;
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD size = 0;
    if (!tokenInfo(token.get(), TokenElevationType, &type, sizeof(type), &size))
        return TokenElevationTypeDefault;
    return static_cast<int>(type);
}
