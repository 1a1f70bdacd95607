// Reading an image file's declared pixel size from its header, before anything is decoded.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

// Reads up to length bytes at offset into buffer; returns the number of bytes read.
using ByteReader =
    std::function<std::size_t(std::uint64_t offset, void* buffer, std::size_t length)>;

struct DeclaredSize {
    std::uint64_t width = 0;
    std::uint64_t height = 0;
};

// The size a JPEG, PNG, GIF, BMP or TIFF header declares (for a GIF, the larger of its screen
// and its first frame; for a TIFF, its first page). False for other formats and for headers
// too broken to read, which are left to the decoder.
bool ReadDeclaredSize(const ByteReader& read, DeclaredSize* size);
