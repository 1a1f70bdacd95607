// Saving the clipboard's picture to a file.
#pragma once
#include <string>

// Writes the clipboard's bitmap with the encoder chosen from the path. False when the clipboard
// holds no picture, cannot be opened, or the save fails; nothing is written then, except
// possibly a partial file after a failed encode.
bool SaveClipboardImage(const std::wstring& path);
