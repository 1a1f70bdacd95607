// The library's single application object.
#pragma once
#include <windows.h>

class CKVRWinUtilsApp {
  public:
    // The module's file title, caption of the library's own fatal messages.
    const wchar_t* AppName();
    BOOL InitInstance() { return TRUE; }

  private:
    wchar_t name_[MAX_PATH] = {};
};

CKVRWinUtilsApp& TheApp();

// The image this code is linked into (the library, or a test program that links it statically).
HINSTANCE ThisModule();
