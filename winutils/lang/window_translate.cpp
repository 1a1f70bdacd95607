#include <windows.h>

#include "lang/window_translate.h"

void TranslateWindowTree(HWND) {}
void TranslateMenu(HMENU) {}
void FitControlToText(HWND) {}
HWND FindEditToTheRight(HWND) { return nullptr; }
