#include <windows.h>

#include "automation.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include "png_writer.h"

namespace kvtest {
namespace {

struct TopSearch {
    const wchar_t* caption;
    const wchar_t* className;
    DWORD pid;
    HWND found;
};

bool Matches(HWND hwnd, const wchar_t* caption, const wchar_t* className) {
    wchar_t buffer[512];
    if (className) {
        GetClassNameW(hwnd, buffer, 512);
        if (_wcsicmp(buffer, className) != 0) return false;
    }
    if (caption) {
        GetWindowTextW(hwnd, buffer, 512);
        if (wcscmp(buffer, caption) != 0) return false;
    }
    return true;
}

BOOL CALLBACK TopProc(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<TopSearch*>(param);
    if (!IsWindowVisible(hwnd)) return TRUE;
    if (search->pid) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != search->pid) return TRUE;
    }
    if (!Matches(hwnd, search->caption, search->className)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

struct ChildSearch {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    HWND found;
};

BOOL CALLBACK ChildProc(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    bool hit = search->className ? Matches(hwnd, search->text, search->className)
                                 : GetDlgCtrlID(hwnd) == search->id;
    if (!hit) return TRUE;
    search->found = hwnd;
    return FALSE;
}

std::wstring UnixToWindows(const char* path) {
    std::wstring out = L"Z:" + Wide(path);
    for (wchar_t& c : out)
        if (c == L'/') c = L'\\';
    return out;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& pred, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (pred()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(20);
    }
}

HWND FindTopWindow(const wchar_t* caption, const wchar_t* className, DWORD pid) {
    TopSearch search{caption, className, pid, nullptr};
    EnumWindows(TopProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const wchar_t* caption, const wchar_t* className, DWORD pid, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopWindow(caption, className, pid)) != nullptr; },
              timeoutMs);
    return found;
}

HWND FindControl(HWND parent, int id) {
    if (HWND direct = GetDlgItem(parent, id)) return direct;
    ChildSearch search{id, nullptr, nullptr, nullptr};
    EnumChildWindows(parent, ChildProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindChildByClass(HWND parent, const wchar_t* className, const wchar_t* text) {
    ChildSearch search{0, className, text, nullptr};
    EnumChildWindows(parent, ChildProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring GetText(HWND hwnd) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::vector<wchar_t> buffer(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    return buffer.data();
}

void SetText(HWND hwnd, const std::wstring& text) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &ignored);
}

void ClickButton(HWND dialog, int id) {
    HWND button = FindControl(dialog, id);
    HWND parent = button ? GetParent(button) : dialog;
    PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void SetCheck(HWND dialog, int id, bool checked) {
    if (IsChecked(dialog, id) == checked) return;
    if (HWND button = FindControl(dialog, id)) PostMessageW(button, BM_CLICK, 0, 0);
    WaitUntil([&] { return IsChecked(dialog, id) == checked; }, 3000);
}

bool IsChecked(HWND dialog, int id) {
    HWND button = FindControl(dialog, id);
    DWORD_PTR state = 0;
    SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
    return state == BST_CHECKED;
}

void PostKey(HWND hwnd, WORD vk) {
    UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    PostMessageW(hwnd, WM_KEYDOWN, vk, 1 | (scan << 16));
    wchar_t ch = static_cast<wchar_t>(MapVirtualKeyW(vk, MAPVK_VK_TO_CHAR));
    if (ch) PostMessageW(hwnd, WM_CHAR, ch, 1 | (scan << 16));
    PostMessageW(hwnd, WM_KEYUP, vk, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

void SendKeyInput(WORD vk, bool shift) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD key, bool up) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(in);
    };
    if (shift) add(VK_SHIFT, false);
    add(vk, false);
    add(vk, true);
    if (shift) add(VK_SHIFT, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool SaveWindowPng(HWND hwnd, const std::wstring& path) {
    // Let the window finish painting first; it may belong to another thread or process.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    Sleep(400);
    RECT rc;
    if (!GetWindowRect(hwnd, &rc)) return false;
    int width = rc.right - rc.left, height = rc.bottom - rc.top;
    if (width <= 0 || height <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, screen, rc.left, rc.top, SRCCOPY);
    SelectObject(memory, old);
    std::vector<std::uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    const auto* bgra = static_cast<const std::uint8_t*>(bits);
    for (size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = bgra[i + 2];
        rgba[i + 1] = bgra[i + 1];
        rgba[i + 2] = bgra[i];
        rgba[i + 3] = 255;
    }
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    std::vector<std::uint8_t> png = EncodePng(rgba.data(), width, height);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    std::fclose(f);
    return ok;
}

std::wstring RuntimeDir() { return UnixToWindows(KV_RUNTIME_DIR_UNIX); }
std::wstring SourceDir() { return UnixToWindows(KV_SOURCE_DIR_UNIX); }
std::wstring OutDir() { return SourceDir() + L"\\out"; }

std::wstring MakeTempDir(const std::wstring& name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::filesystem::path dir =
        std::filesystem::path(temp) / L"kvtest" / (name + L"-" + std::to_wstring(GetCurrentProcessId()));
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    std::filesystem::create_directories(dir);
    return dir.wstring();
}

std::string Utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::wstring Wide(const std::string& utf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

}  // namespace kvtest
