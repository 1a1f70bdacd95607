// A top-level window titled "Cancel" with a narrow check box "Cancel", owned by this process; it
// ends when the window is closed, or after a minute.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"KvForeignWindow";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, L"Cancel", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        10, 10, 300, 120, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, L"Button", L"Cancel", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10, 20,
                    20, window, reinterpret_cast<HMENU>(100), instance, nullptr);
    SetTimer(window, 1, 60000, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER) DestroyWindow(window);
        DispatchMessageW(&msg);
    }
    return 0;
}
