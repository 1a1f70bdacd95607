// COM for the length of a scope on this thread, balanced with the caller's own initialisation.
#pragma once
#include <windows.h>

class CComScope {
  public:
    CComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;
    // Only a successful call (S_OK or S_FALSE) is matched by CoUninitialize.
    ~CComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    // A thread already in the other apartment model can use COM as it is.
    bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

  private:
    HRESULT result_;
};
