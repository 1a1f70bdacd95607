#include <windows.h>
#include <commctrl.h>

#include "net/transfer_progress.h"

#include <climits>

void CTransferProgress::Reset(std::uint64_t total) {
    shift_ = 0;
    while ((total >> shift_) > static_cast<std::uint64_t>(INT_MAX))
        ++shift_;
    SendMessageW(bar_, PBM_SETRANGE32, 0, static_cast<LPARAM>(total >> shift_));
    SendMessageW(bar_, PBM_SETPOS, 0, 0);
}

void CTransferProgress::SetPosition(std::uint64_t done) {
    std::uint64_t scaled = done >> shift_;
    if (scaled > static_cast<std::uint64_t>(INT_MAX)) scaled = INT_MAX;
    SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(scaled), 0);
}
