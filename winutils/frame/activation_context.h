// Gives the library's windows common controls version 6 whatever the host's manifest says.
#pragma once
#include <windows.h>

class CActivationScope {
  public:
    CActivationScope();
    ~CActivationScope();
    CActivationScope(const CActivationScope&) = delete;
    CActivationScope& operator=(const CActivationScope&) = delete;

  private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};
