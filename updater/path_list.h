// The shell's path list form: every path followed by a NUL, and one more NUL at the end.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// The list, its terminators counted in size(); nothing for no paths, or when a path is empty or
// holds a NUL, since either would end the list early and hand the shell other paths.
std::optional<std::wstring> DoubleNullList(std::initializer_list<std::wstring_view> paths);
