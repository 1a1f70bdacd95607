#include "test_window.h"

#include "automation.h"

TestWindow::TestWindow(const wchar_t* title, int width, int height) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"KvNoticesTestWindow";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowW(wc.lpszClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150,
                          width, height, nullptr, nullptr, wc.hInstance, nullptr);
    RECT client;
    GetClientRect(hwnd_, &client);
    edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                            (client.right - 200) / 2, client.bottom / 2 - 12, 200, 24, hwnd_,
                            nullptr, wc.hInstance, nullptr);
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    SetWindowLongPtrW(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
}

TestWindow::~TestWindow() {
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK TestWindow::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_KEYDOWN && wParam < 256) self->keysSeen_[wParam] = true;
    return CallWindowProcW(self->editProc_, hwnd, message, wParam, lParam);
}

bool TestWindow::Focus() {
    SetForegroundWindow(hwnd_);
    SetFocus(edit_);
    return kvtest::WaitUntil([&] { return GetForegroundWindow() == hwnd_ && GetFocus() == edit_; },
                             3000);
}

void TestWindow::ForgetKeys() {
    for (bool& seen : keysSeen_)
        seen = false;
}
