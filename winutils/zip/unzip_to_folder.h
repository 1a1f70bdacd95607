// Extracts a whole zip archive into a folder.
#pragma once
#include <string>

// True when every entry was extracted. False when the archive cannot be opened or any entry
// failed; the other entries are still extracted. Entries whose names would lead outside the
// destination are not written and count as failed. Missing parent folders are not created.
bool UnzipToFolder(const std::wstring& archivePath, const std::wstring& destination);
