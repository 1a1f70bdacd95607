// The library's copy of the host's settings text.
#pragma once
#include <string>

std::wstring& GlobalSettingsText();
