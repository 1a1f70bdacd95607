// Waiting while the user interface stays alive.
#pragma once
#include <windows.h>

#include <string_view>

// Returns once handle is signalled, dispatching this thread's messages meanwhile. False when the
// handle cannot be waited for.
bool WaitWithMessagePump(HANDLE handle);

// Shows text in the wait window over owner with the hourglass cursor; an empty text hides it
// and brings the arrow back. The text is translated (pass English, or an already translated
// text when it carries numbers).
void ShowWaitMessage(std::wstring_view text, HWND owner);
