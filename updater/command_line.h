// Turning the process's command line into the target folder.
#pragma once

#include <string>
#include <string_view>

// What follows the program name (quoted or not) and the blanks behind it, as the start-up code
// hands it to the program's entry point.
std::wstring_view CommandTail(std::wstring_view commandLine);

// The text without leading and trailing spaces, tabs, line breaks, vertical tabs and form feeds.
// Quotation marks stay.
std::wstring TrimWhiteSpace(std::wstring_view text);
