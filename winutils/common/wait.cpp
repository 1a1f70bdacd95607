#include <windows.h>

#include "common/wait.h"

#include "notices/wait_dialog.h"

bool WaitWithMessagePump(HANDLE handle) {
    for (;;) {
        // The wait only wakes for messages that arrive after the queue was last looked at, so
        // whatever is queued already is dispatched first.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        DWORD result = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_ALLINPUT);
        // The wait itself consumes an auto-reset event, so its result is what counts.
        if (result == WAIT_OBJECT_0) return true;
        if (result != WAIT_OBJECT_0 + 1) return false;
    }
}

void ShowWaitMessage(std::wstring_view text, HWND owner) {
    ShowWaitText(text, owner);
    SetCursor(LoadCursorW(nullptr, text.empty() ? IDC_ARROW : IDC_WAIT));
}
