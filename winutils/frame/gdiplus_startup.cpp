#include <windows.h>

#include "frame/gdiplus_startup.h"

#include "frame/gdiplus_include.h"

namespace {
ULONG_PTR g_gdiplusToken = 0;
}

bool EnsureGdiplus() {
    if (g_gdiplusToken) return true;
    Gdiplus::GdiplusStartupInput input;  // version 1, no callback, background thread, codecs
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
    g_gdiplusToken = token;
    return true;
}
