// Calls back into the host module, looked up afresh at each call.
#pragma once
#include <windows.h>

// topic may be a string resource id (MAKEINTRESOURCE) of this library.
void ShowHelpTopic(const wchar_t* topic);
void CallViewHelp(const char* topic);
void NotifyHostClearLangCache();
