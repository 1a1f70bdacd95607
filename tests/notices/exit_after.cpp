// exit_after MILLISECONDS CODE: sleeps, then ends with CODE.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 255;
    Sleep(static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10)));
    return static_cast<int>(std::wcstol(argv[2], nullptr, 10));
}
