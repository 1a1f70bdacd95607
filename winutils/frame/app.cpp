#include <windows.h>

#include "frame/app.h"

#include <cwchar>

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE ThisModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

const wchar_t* CKVRWinUtilsApp::AppName() {
    if (!name_[0]) {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(ThisModule(), path, MAX_PATH);
        const wchar_t* title = wcsrchr(path, L'\\');
        title = title ? title + 1 : path;
        wcsncpy(name_, title, MAX_PATH - 1);
        if (wchar_t* dot = wcsrchr(name_, L'.')) *dot = L'\0';
    }
    return name_;
}

CKVRWinUtilsApp& TheApp() {
    static CKVRWinUtilsApp app;
    return app;
}
