// Streams one entry's stored or deflated data into a sink in fixed-size pieces.
#pragma once
#include "zip/byte_source.h"

#include <cstddef>
#include <cstdint>

// Size of the input blocks and output pieces; memory use stays at about twice this.
constexpr size_t kZipPieceSize = 16384;

constexpr uint16_t kMethodStored = 0;
constexpr uint16_t kMethodDeflated = 8;

struct EntryData {
    uint64_t offset = 0; // of the first data byte in the source
    uint16_t method = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
    uint32_t crc = 0;
};

// Produces exactly the declared uncompressed size: reading never goes past the compressed size,
// and a deflate stream that ends early, is cut short or would go on past the declared size
// fails with kZipReadWrite. `crcMatched` tells whether the output's CRC-32 equals data.crc;
// a mismatch is not an error.
int CopyEntryData(ByteSource& source, const EntryData& data, ByteSink& sink, bool& crcMatched);
