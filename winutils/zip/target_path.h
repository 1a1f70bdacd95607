// Where an entry goes: the destination folder joined with the entry name, shortened to fit.
#pragma once
#include <cstddef>
#include <string>

constexpr size_t kMaxTargetPath = 259;

// The destination, a backslash unless it ends with one, and the name as stored (forward
// slashes stay; the file system takes both).
std::wstring JoinTargetPath(const std::wstring& destination, const std::wstring& name);

// A path longer than 259 characters becomes exactly 259: its first 257 - (extension length)
// characters, "..", and the extension (from the last "." of the file name). That is done only
// when the first `folderLength` characters (the destination with its backslash) plus the
// extension plus 3 fit into 259; otherwise the path stays as it is and false is returned.
bool FitTargetPath(std::wstring& path, size_t folderLength);
