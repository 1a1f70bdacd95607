// The fixed-size records of a zip archive and the search for its end record.
#pragma once
#include "zip/byte_source.h"

#include <cstddef>
#include <cstdint>

constexpr size_t kEndRecordSize = 22;
constexpr size_t kCentralHeaderSize = 46;
constexpr size_t kLocalHeaderSize = 30;

struct EndRecord {
    uint16_t disk = 0;
    uint16_t directoryDisk = 0;
    uint16_t entriesOnDisk = 0;
    uint16_t totalEntries = 0;
    uint32_t directorySize = 0;
    uint32_t directoryOffset = 0;
    uint16_t commentLength = 0;
};

struct CentralHeader {
    uint16_t versionMadeBy = 0;
    uint16_t versionNeeded = 0;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    uint32_t crc = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
    uint16_t nameLength = 0;
    uint16_t extraLength = 0;
    uint16_t commentLength = 0;
    uint16_t diskStart = 0;
    uint16_t internalAttributes = 0;
    uint32_t externalAttributes = 0;
    uint32_t localOffset = 0;

    // The header with its name, extra field and comment.
    uint64_t TotalSize() const {
        return uint64_t{kCentralHeaderSize} + nameLength + extraLength + commentLength;
    }
};

struct LocalHeader {
    uint16_t version = 0;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    uint32_t crc = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
    uint16_t nameLength = 0;
    uint16_t extraLength = 0;
};

// Each parser takes the record's full fixed size and checks its signature.
bool ParseEndRecord(const uint8_t* bytes, EndRecord& record);
bool ParseCentralHeader(const uint8_t* bytes, CentralHeader& header);
bool ParseLocalHeader(const uint8_t* bytes, LocalHeader& header);

// Searches the last 65535 bytes backwards for the end record signature; the occurrence nearest
// the end wins. One at position 0 does not count. Returns kZipOk, kZipDamaged (not found) or
// kZipOpenReadError.
int FindEndRecord(ByteSource& source, uint64_t& position);

// Times carried by an extended timestamp ("UT") block, as Unix seconds.
struct ExtendedTimes {
    bool hasWrite = false;
    bool hasAccess = false;
    bool hasCreation = false;
    int32_t write = 0;
    int32_t access = 0;
    int32_t creation = 0;
};

// Looks through an extra field's blocks for the first "UT" block. Blocks that run past the end
// of the field end the search; times whose bytes are missing are left out.
ExtendedTimes FindExtendedTimes(const uint8_t* extra, size_t size);
