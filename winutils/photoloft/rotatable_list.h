// Which frames may be turned to suit a photo: a ";"-separated list of exact titles.
#pragma once
#include <string>
#include <string_view>

// The shipped list file's text (one title per line) with the user's own ";"-separated list.
std::wstring MakeRotatableList(std::wstring_view fileText, std::wstring_view userList);

// Exact, case-sensitive membership of the title.
bool InRotatableList(std::wstring_view list, std::wstring_view title);
