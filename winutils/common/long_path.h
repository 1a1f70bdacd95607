// Paths beyond MAX_PATH characters for the file system calls.
#pragma once
#include <string>

// The path itself when it is short; otherwise its absolute "\\?\" form (backslashes only).
std::wstring ExtendedLengthPath(const std::wstring& path);

// Attributes of the path, or INVALID_FILE_ATTRIBUTES; accepts long paths.
unsigned long PathAttributes(const std::wstring& path);
bool FolderExists(const std::wstring& path);
