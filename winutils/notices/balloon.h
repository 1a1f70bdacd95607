// One balloon tip at a time, pointing at a control or a screen point.
#pragma once
#include <windows.h>

#include <string_view>

// Replaces any balloon. anchor (screen coordinates, may be null): only its top-left corner is
// used. timeoutSeconds 0 keeps the balloon until the user does something.
void ShowBalloonMsg(std::wstring_view text, HWND control, HWND owner, HINSTANCE instance,
                    int timeoutSeconds, const RECT* anchor = nullptr);
void HideBalloonMsg();

// The tooltip window of the balloon being shown, or null.
HWND BalloonTipWindow();
