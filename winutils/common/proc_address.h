// Typed GetProcAddress: goes through void(*)() so GCC accepts the function-type cast.
#pragma once
#include <windows.h>

template <typename Fn> Fn GetProcAs(HMODULE module, const char* name) {
    FARPROC proc = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}
