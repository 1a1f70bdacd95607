// Entry names are stored as UTF-8 bytes; inside they are UTF-16.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Longest name handed out, in UTF-16 units.
constexpr size_t kMaxEntryNameLength = 259;

// Decodes UTF-8 into UTF-16 units (one unit per wchar_t). Malformed sequences become U+FFFD.
// The result is cut to `maxUnits` without splitting a surrogate pair.
std::wstring DecodeUtf8Name(const uint8_t* bytes, size_t size,
                            size_t maxUnits = kMaxEntryNameLength);
