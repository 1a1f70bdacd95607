#include <windows.h>

#include "notices/balloon.h"

void ShowBalloonMsg(std::wstring_view, HWND, HWND, HINSTANCE, int, const RECT*) {}
void HideBalloonMsg() {}
HWND BalloonTipWindow() {
    return nullptr;
}
