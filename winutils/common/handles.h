// Owners for the handle types the library uses.
#pragma once
#include <windows.h>
#include <wininet.h>
#include "common/unique_any.h"

using UniqueFile = UniqueAny<HANDLE, &CloseHandle, -1>;
using UniqueHandle = UniqueAny<HANDLE, &CloseHandle>;
using UniqueKey = UniqueAny<HKEY, &RegCloseKey>;
using UniqueModule = UniqueAny<HMODULE, &FreeLibrary>;
using UniqueGdiObject = UniqueAny<HGDIOBJ, &DeleteObject>;
using UniqueBitmap = UniqueAny<HBITMAP, &DeleteObject>;
using UniqueFont = UniqueAny<HFONT, &DeleteObject>;
using UniqueBrush = UniqueAny<HBRUSH, &DeleteObject>;
using UniqueRegion = UniqueAny<HRGN, &DeleteObject>;
using UniqueMemoryDC = UniqueAny<HDC, &DeleteDC>;
using UniqueIcon = UniqueAny<HICON, &DestroyIcon>;
using UniqueFindFile = UniqueAny<HANDLE, &FindClose, -1>;
using UniqueInternet = UniqueAny<HINTERNET, &InternetCloseHandle>;
using UniqueHook = UniqueAny<HHOOK, &UnhookWindowsHookEx>;
using UniqueGlobal = UniqueAny<HGLOBAL, &GlobalFree>;
using UniqueWindow = UniqueAny<HWND, &DestroyWindow>;
