#include <windows.h>

#include "frame/activation_context.h"

#include "frame/app.h"

namespace {

// Built once from the manifest at resource id 2 and kept for the process's life.
HANDLE LibraryContext() {
    static HANDLE context = [] {
        ACTCTXW info = {};
        info.cbSize = sizeof(info);
        info.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        info.hModule = ThisModule();
        info.lpResourceName = MAKEINTRESOURCEW(2);
        return CreateActCtxW(&info);
    }();
    return context;
}

}  // namespace

CActivationScope::CActivationScope() {
    HANDLE context = LibraryContext();
    if (context != INVALID_HANDLE_VALUE) active_ = ActivateActCtx(context, &cookie_) != FALSE;
}

CActivationScope::~CActivationScope() {
    if (active_) DeactivateActCtx(0, cookie_);
}
