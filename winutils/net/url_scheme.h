// The scheme of an address as the transfer sees it, and the default for addresses without one.
#pragma once
#include <string>
#include <string_view>

// "javascript" or "about" for those prefixes (any ASCII case); otherwise the lowered text before
// the first "://" when it is two or more ASCII letters; otherwise empty.
std::wstring UrlScheme(std::wstring_view url);
// The address with "http://" in front when it has no scheme.
std::wstring WithDefaultScheme(std::wstring_view url);
