// Text rules of the numbered language files: pure string work, no system calls.
#pragma once
#include <string>
#include <string_view>

inline constexpr std::wstring_view kSourceLanguage = L"English (US)";
inline constexpr std::wstring_view kTestLanguage = L"TestLang";

// The 8-bit code page a language's file is decoded with when it carries no byte-order mark;
// 0 stands for the system's ANSI code page.
unsigned GetLangCodePage(std::wstring_view name);

// White space (blank, tab, CR, LF, VT, FF) removed at both ends.
std::wstring TrimWhite(std::wstring_view text);

// CR and LF as the two-character escapes the files store ("\r", "\n"), and back.
std::wstring EncodeLineBreaks(std::wstring_view text);
std::wstring DecodeLineBreaks(std::wstring_view text);

// Every single "&" removed, every "&&" kept: the form of a text without its mnemonic.
std::wstring RemoveSingleAmpersands(std::wstring_view text);

// The number of the entry whose text is exactly `needle` (already lowered, escaped and
// trimmed) in the lowered English file text; 0 when there is none. The header line and lines
// whose key does not start with a number never match.
unsigned FindEntryNumber(std::wstring_view searchText, std::wstring_view needle);

// The value stored under key in a language file text, with escapes decoded; def when the key
// is not there. A key on the header line gives its value as stored.
std::wstring FindEntryValue(std::wstring_view text, std::wstring_view key, std::wstring_view def);

// A text split into the part that is translated and a tail appended again unchanged
// ("...", ": ", a final "*" or ":", or a trailing number with its blanks).
struct TextParts {
    std::wstring core;
    std::wstring tail;
};
TextParts SplitTextTail(std::wstring_view text);

// The result in the letter case of the source: all capitals, or a capital first letter only.
std::wstring AdjustTextCase(std::wstring_view source, std::wstring result);

// Languages whose translations are shown exactly as stored (no case matching).
bool KeepsStoredCase(std::wstring_view language);
