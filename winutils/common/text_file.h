// Whole text files: read with byte order mark detection, written as UTF-8 with CR LF.
#pragma once
#include <string>
#include <string_view>

// Size in bytes, or -1 when the file cannot be opened for reading.
long long FileSize(const std::wstring& path);

// Reads and decodes the file: UTF-16 LE after FF FE, UTF-8 after EF BB BF, otherwise the given
// code page (0: the ANSI code page). CR LF pairs come back as LF. Returns the byte count, -1
// when the file cannot be opened, 0 when it cannot be read.
long long ReadTextFile(const std::wstring& path, std::wstring& text, unsigned int codePage = 0);

// Writes the text as UTF-8 with CR LF line ends, with a byte order mark unless the file is a
// ".php" file. False when the file cannot be created or written.
bool WriteUtf8TextFile(const std::wstring& path, std::wstring_view text);
