// The MIME type an output file name asks for.
#pragma once
#include <string>

// "image/" + the lower-cased extension after the last "." of the file name ("jpg" becomes
// "jpeg", "tif" becomes "tiff"); "image/" alone when the name has no extension.
std::wstring MimeTypeForPath(const std::wstring& path);
