// The sectioned key=value text shared with the host, and its lookup and update rules.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The trimmed value of key in section, or nothing when either is absent.
std::optional<std::wstring> LookupSetting(std::wstring_view text, std::wstring_view section,
                                          std::wstring_view key);

// Sets key in section to value, adding the entry or the section where missing.
void UpdateSetting(std::wstring& text, std::wstring_view section, std::wstring_view key,
                   std::wstring_view value);

// Decimal conversion as the C runtime does it: leading blanks and a sign, stops at the first
// non-digit, no digits give 0, overflow saturates.
std::int32_t ParseInt32(std::wstring_view text);
std::int64_t ParseInt64(std::wstring_view text);
