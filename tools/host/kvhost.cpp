// A small host program that drives the library the way the browser does.
//   kvhost [--url URL] [--settings TEXT] [--classic] [--dir FOLDER] [--lang "German (Germany)"]
// Prints the request's result, the chosen files and the settings text it got back (UTF-8).
#include <windows.h>
#include <commdlg.h>

#include <cstdio>

#include "common/proc_address.h"
#include <string>
#include <vector>

namespace {

using SetSettingsFn = void(WINAPI*)(const wchar_t*);
using GetSettingsFn = int(WINAPI*)(wchar_t*);
using ShowUploadFn = BOOL(WINAPI*)(OPENFILENAMEW*);
using SetLangCacheFn = void(WINAPI*)(const wchar_t*, const wchar_t*, const char*);

std::string Utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

void Print(const std::wstring& line) {
    std::string bytes = Utf8(line + L"\n");
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// A language file as text: UTF-8 with or without its mark.
std::wstring ReadUtf8File(const std::wstring& path) {
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return {};
    std::string bytes;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.append(chunk, n);
    std::fclose(f);
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
    int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

HWND CreateOwnerWindow() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KorvaneHostWindow";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowW(wc.lpszClassName, L"Korvane", WS_OVERLAPPEDWINDOW, 40, 40, 800, 600,
                              nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring url = L"https://www.example.com/upload", extra, folder, language;
    bool classic = false;
    for (int i = 1; i < argc; ++i) {
        std::wstring arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == L"--url" && hasValue) url = argv[++i];
        else if (arg == L"--settings" && hasValue) extra = argv[++i];
        else if (arg == L"--dir" && hasValue) folder = argv[++i];
        else if (arg == L"--lang" && hasValue) language = argv[++i];
        else if (arg == L"--classic") classic = true;
    }

    std::wstring exeFolder = ExeFolder();
    LoadLibraryW((exeFolder + L"chrome.dll").c_str());  // the browser always has it loaded
    HMODULE library = LoadLibraryW((exeFolder + L"KVRWinUtils.dll").c_str());
    if (!library) {
        Print(L"error=KVRWinUtils.dll not loaded");
        return 1;
    }
    auto setSettings = GetProcAs<SetSettingsFn>(library, "SetSettings");
    auto getSettings = GetProcAs<GetSettingsFn>(library, "GetSettings");
    auto showUpload =
        GetProcAs<ShowUploadFn>(library, "ShowUploadFileDialog");
    auto setLangCache = GetProcAs<SetLangCacheFn>(library, "SetLangCache");
    if (!setSettings || !getSettings || !showUpload || !setLangCache) {
        Print(L"error=missing export");
        return 1;
    }

    if (!language.empty()) {
        std::wstring english = ReadUtf8File(exeFolder + L"language\\English (US).ini");
        std::wstring current = ReadUtf8File(exeFolder + L"language\\" + language + L".ini");
        std::string name(language.begin(), language.end());
        setLangCache(english.c_str(), current.c_str(), name.c_str());
    }

    HWND owner = CreateOwnerWindow();
    setSettings((L"[General]\nurl=" + url + L"\n" + extra).c_str());

    std::vector<wchar_t> files(32768, L'\0');
    OPENFILENAMEW request = {};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.lpstrFilter = L"All files (*.*)\0*.*\0Images\0*.jpg;*.jpeg;*.png;*.bmp;*.gif\0";
    request.lpstrFile = files.data();
    request.nMaxFile = static_cast<DWORD>(files.size());
    request.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    request.Flags = OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY;
    if (!classic) request.Flags |= OFN_EXPLORER;

    BOOL result = showUpload(&request);
    Print(L"result=" + std::to_wstring(result));
    if (result) {
        // One path, or a folder followed by names, each NUL-terminated, ending in a double NUL.
        const wchar_t* p = files.data();
        std::wstring first = p;
        p += first.size() + 1;
        if (!*p) Print(L"file=" + first);
        for (; *p; p += wcslen(p) + 1) Print(L"file=" + first + L"\\" + p);
    }
    int length = getSettings(nullptr);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    getSettings(text.data());
    Print(L"settings-length=" + std::to_wstring(length));
    Print(L"settings:");
    Print(text.data());
    DestroyWindow(owner);
    return 0;
}
