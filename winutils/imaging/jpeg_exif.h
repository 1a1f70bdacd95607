// Carrying a JPEG file's EXIF block (its APP1 "Exif" segment) over to another JPEG file as an
// opaque record, for decoders that do not expose metadata items.
#pragma once
#include <cstdint>
#include <vector>

#include "imaging/image_header.h"

// The whole APP1 "Exif" segment (marker and length included) of a JPEG file, read through
// read; false when the file is no JPEG or has none before its image data.
bool ReadJpegExifSegment(const ByteReader& read, std::vector<std::uint8_t>* segment);

// Whether JPEG bytes carry an APP1 "Exif" segment before their image data.
bool HasJpegExifSegment(const std::vector<std::uint8_t>& jpeg);

// Inserts a segment into JPEG bytes after the start marker (and after a JFIF APP0 segment that
// follows it directly). False when the bytes are no JPEG or the segment is malformed.
bool InsertJpegSegment(std::vector<std::uint8_t>& jpeg, const std::vector<std::uint8_t>& segment);
