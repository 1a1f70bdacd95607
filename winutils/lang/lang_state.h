// The library's one language state and the lookups the other components use.
#pragma once
#include <string>
#include <string_view>

#include "lang/lang_data.h"

// The process-wide state, created with "English (US)" as the current language.
CLangData& LangState();

// The exported hand-over: texts may be null; the language name is in the thread's ANSI code page.
void SetLangCacheData(const wchar_t* englishText, const wchar_t* currentText,
                      const char* currentLanguage);

// ModuleFolder() + "language\" + name + ".ini"; an empty name is the current language.
std::wstring GetLangFilePath(std::wstring_view name = {});
std::wstring GetLangValue(const std::wstring& path, std::wstring_view key, std::wstring_view def);
// The number of an English text, 0 when there is none.
unsigned FindLangTextId(std::wstring_view text);
// New text of the current language, e.g. after its file was saved.
void ReplaceLangText(std::wstring_view text);

// Copies of the current language's name and of the source language "English (US)".
std::wstring CurrentLanguageName();
std::wstring SourceLanguageName();

// Reads a language file with ReadTextFile; false when it cannot be read.
bool ReadLangFile(const std::wstring& path, unsigned codePage, std::wstring& text);
