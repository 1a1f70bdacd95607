// The installation of a downloaded version: replace the browser's files and restart it.
#pragma once

#include <string>
#include <string_view>

#include "update_platform.h"

inline constexpr wchar_t kUpdaterCaption[] = L"Korvane Updater";

// Runs the whole installation. commandTail is the command line after the program name: the
// installation folder. The new files are in the platform's current directory.
void RunUpdate(UpdatePlatform& platform, std::wstring_view commandTail);

// The error code as the copy failure box shows it: lower-case hexadecimal, no prefix.
std::wstring HexCode(int code);
