// Information boxes: the platform's own, and one with a "Don't tell me again" check box.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

// Added to XMessageBox's result when "Don't tell me again" was ticked.
inline constexpr int kDontTellAgainFlag = 0x2000000;

// Translates text and shows it with the information icon, titled with the application name.
int ShowInfoMessage(std::wstring_view text);

// text and caption come translated. An empty caption becomes "Error", a null owner the last
// active popup of the active window. Returns 1 (OK), plus kDontTellAgainFlag when ticked;
// 2 when the box could not be built.
int XMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption);

// Breaks lines longer than 360 pixels in the message font with separator.
std::wstring WrapMessageText(std::wstring_view text, std::wstring_view separator = L"\n");

// The system's message font (non-client metrics); the caller owns it.
HFONT CreateMessageFont();
