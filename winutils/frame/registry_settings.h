// Per-user values kept in the registry rather than in the settings text.
#pragma once
#include <string>

extern const wchar_t kRegistrySettingsKey[];

// The value's text, or empty when the key or value is missing.
std::wstring ReadRegistrySetting(const wchar_t* name);
// A null text only makes sure the key exists.
bool WriteRegistrySetting(const wchar_t* name, const wchar_t* text);
