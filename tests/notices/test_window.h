// A top-level window with one edit field that notes the keys it receives.
#pragma once
#include <windows.h>

#include <string>

class TestWindow {
  public:
    TestWindow(const wchar_t* title, int width, int height);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    HWND edit() const { return edit_; }
    // Brings the window to the front with the focus in the edit field.
    bool Focus();
    bool EditSawKey(WORD vk) const { return vk < 256 && keysSeen_[vk]; }
    void ForgetKeys();

  private:
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    HWND edit_ = nullptr;
    WNDPROC editProc_ = nullptr;
    bool keysSeen_[256] = {};
};
