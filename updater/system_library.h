// DLL loading limited to the system folder: the program runs from a folder the user can write.
#pragma once

#include <windows.h>

// Takes the application and current folders out of the DLL search for the rest of the run.
void RestrictDllSearch();

// The system folder's copy of the DLL and its dependencies, or null.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A typed export of the module, or null.
template <typename Function> Function SystemProc(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
