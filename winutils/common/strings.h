// Small string rules shared by the library (ASCII case folding only).
#pragma once
#include <string>
#include <string_view>
#include <vector>

wchar_t AsciiLower(wchar_t c);
std::wstring AsciiLower(std::wstring_view text);
// <0, 0, >0 like wcscmp, folding only A-Z to lower case.
int CompareNoCase(std::wstring_view a, std::wstring_view b);
bool EqualsNoCase(std::wstring_view a, std::wstring_view b);

// An optional sign, then digits with at most one "." (at least one digit).
bool IsNumber(std::wstring_view text);
// Ascending, ignoring ASCII case; equal entries keep no particular order.
void SortNoCase(std::vector<std::wstring>& list);
