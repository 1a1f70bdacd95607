#include <windows.h>

#include "command_line.h"
#include "system_library.h"
#include "update_run.h"
#include "win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything loads a DLL on demand: this program runs from a user-writable folder.
    RestrictDllSearch();
    try {
        Win32Platform platform;
        RunUpdate(platform, CommandTail(GetCommandLineW()));
    } catch (...) {
        // Out of memory: stop where the run got to; the browser does not read the status.
    }
    return 0;
}
