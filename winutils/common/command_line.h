// Splitting a command into its program and its arguments.
#pragma once
#include <string>
#include <string_view>

// command in: the whole command; out: the program part (without its quotes). Returns the
// arguments, trimmed of blanks.
std::wstring SplitCommandLine(std::wstring& command);

// Without leading and trailing blanks (spaces and tabs).
std::wstring_view TrimCommandBlanks(std::wstring_view text);
