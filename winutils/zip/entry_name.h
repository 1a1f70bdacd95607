// Which entry names may be written below the destination folder.
#pragma once
#include <string>

// True when the name, appended to a folder, names something inside that folder: relative, no
// drive or stream (":"), no "." or ".." style components (also with trailing dots or spaces,
// which the file system drops), no device names such as CON or NUL, no characters the file
// system refuses. A trailing separator is allowed for directories only; a file needs a name.
bool IsSafeEntryName(const std::wstring& name, bool directory);
