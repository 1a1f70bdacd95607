#include <windows.h>

#include "frame/app.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) return TheApp().InitInstance();
    return TRUE;
}
