// The progress bar as the worker drives it: 64-bit byte counts on a 32-bit control.
#pragma once
#include <windows.h>

#include <cstdint>

class CTransferProgress {
  public:
    explicit CTransferProgress(HWND bar) : bar_(bar) {}
    // Range 0..total, position 0.
    void Reset(std::uint64_t total);
    void SetPosition(std::uint64_t done);

  private:
    HWND bar_;
    int shift_ = 0; // counts above INT_MAX are scaled down by this many bits
};
