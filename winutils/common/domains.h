// Host name, e-mail and site list rules.
#pragma once
#include <string>
#include <string_view>

// The part of a host name a site owner registers: the last two labels, or the last three when
// the second-level label is generic under a two-letter country label ("example.co.uk").
std::wstring RegistrableDomain(std::wstring_view host);
bool IsDomainName(std::wstring_view text);
// Checks only that an "@" is inside and that a domain name follows it.
bool IsEmailAddress(std::wstring_view text);
// False for an empty suffix.
bool EndsWith(std::wstring_view text, std::wstring_view suffix, bool caseSensitive);

// Lists of whole items joined by a separator (items compared exactly).
bool ListContains(std::wstring_view list, std::wstring_view separator, std::wstring_view item);
std::wstring ListAppend(std::wstring_view list, std::wstring_view separator,
                        std::wstring_view item);
// Removes the first occurrence; true when something was removed.
bool ListRemove(std::wstring& list, std::wstring_view separator, std::wstring_view item);
