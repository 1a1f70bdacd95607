// Translation of live windows and menus.
#pragma once
#include <windows.h>

void TranslateWindowTree(HWND window);
void TranslateMenu(HMENU menu);
void FitControlToText(HWND control);
HWND FindEditToTheRight(HWND control);
