// Choosing an encoder from a file name and saving bitmaps with it (GDI+).
#pragma once
#include <string>

#include "frame/gdiplus_include.h"

// The index of the installed encoder whose MIME type matches the path's extension ("jpg" reads
// as "jpeg", "tif" as "tiff"), with its class id in *clsid; -1 when none matches.
int FindEncoderForPath(const std::wstring& path, CLSID* clsid);

// Encodes with the encoder chosen from the path, without encoder parameters.
bool SaveBitmapToFile(Gdiplus::Image& bitmap, const std::wstring& path);
