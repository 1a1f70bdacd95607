// Win32 automation for tests: find windows, press buttons, type, take screenshots.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace kvtest {

// Polls (dispatching this thread's messages) until pred holds or the time runs out.
bool WaitUntil(const std::function<bool()>& pred, DWORD timeoutMs = 10000);

// A visible top-level window whose caption and/or class match (null matches any).
// pid 0 means any process.
HWND FindTopWindow(const wchar_t* caption, const wchar_t* className, DWORD pid = 0);
HWND WaitForWindow(const wchar_t* caption, const wchar_t* className, DWORD pid = 0,
                   DWORD timeoutMs = 10000);

// A descendant with this control id, or with this class (and caption, when given).
HWND FindControl(HWND parent, int id);
HWND FindChildByClass(HWND parent, const wchar_t* className, const wchar_t* text = nullptr);

std::wstring GetText(HWND hwnd);
void SetText(HWND hwnd, const std::wstring& text);

// Clicks go through the control's parent as WM_COMMAND so they work across threads.
void ClickButton(HWND dialog, int id);
void SetCheck(HWND dialog, int id, bool checked);
bool IsChecked(HWND dialog, int id);

// Posts key strokes to a window (WM_KEYDOWN/WM_CHAR/WM_KEYUP), or types through SendInput.
void PostKey(HWND hwnd, WORD vk);
void SendKeyInput(WORD vk, bool shift = false);

// Writes the window's pixels as seen on screen to a PNG file, for people to look at.
bool SaveWindowPng(HWND hwnd, const std::wstring& path);

// Folders as Windows paths: the installation layout and a fresh per-test folder.
std::wstring RuntimeDir();
std::wstring SourceDir();
std::wstring OutDir();  // screenshots and other artefacts under out/
std::wstring MakeTempDir(const std::wstring& name);

std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);

}  // namespace kvtest
