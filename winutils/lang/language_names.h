// English language names of the system's language identifiers (the names language files use).
#pragma once
#include <cstdint>
#include <string>

// By primary language (low 10 bits); the sublanguage matters for Chinese and Portuguese only.
// Unlisted languages, English among them, give "English (US)".
std::wstring LanguageIdName(std::uint16_t languageId);

// The name of the user's default user-interface language.
std::wstring UiLanguageName();
