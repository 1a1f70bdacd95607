// Texts for errors of the internet layer.
#pragma once
#include <windows.h>

#include <string>

// The system's text for a WinINet or system error code (the server's own text for an extended
// error), at most 256 characters, without trailing line breaks.
std::wstring InternetErrorText(DWORD error);
