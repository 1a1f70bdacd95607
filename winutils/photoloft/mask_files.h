// Frame layout files and the generic layouts file on disk.
#pragma once
#include <string>
#include <string_view>

#include "photoloft/frame_mask.h"

// A frame's own layout file; the mask is named with the title. False (mask untouched) when the
// document does not load or its root is not PhotoFrameMask.
bool ReadFrameLayoutFile(const std::wstring& path, std::wstring_view title, FrameMask* mask);

// Adds the layouts of a GenericMasks document to the table. False when it does not load.
bool ReadGenericLayoutsFile(const std::wstring& path, FrameMaskTable& table);

// Writes the mask as a PhotoFrameMask document (UTF-8 with byte order mark, CR LF), creating
// the folder when it is missing. False when the file cannot be written.
bool WriteFrameLayoutFile(const std::wstring& path, const FrameMask& mask);
