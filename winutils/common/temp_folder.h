// The checks behind TempFolder(), separate so a test program can feed them a path.
#pragma once
#include <string>

// The folder the system named (trailing separators ignored) with a trailing separator; creates
// it (one level) when missing. Shows a message and ends the process with exit code 0 when the
// path is empty or the folder cannot be created.
std::wstring CheckedTempFolder(const std::wstring& systemPath);
