// What the reader tells about one archive entry.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// File attribute bits as the file system uses them.
constexpr uint32_t kZipAttrReadOnly = 0x1;
constexpr uint32_t kZipAttrHidden = 0x2;
constexpr uint32_t kZipAttrSystem = 0x4;
constexpr uint32_t kZipAttrDirectory = 0x10;
constexpr uint32_t kZipAttrArchive = 0x20;
constexpr uint32_t kZipAttrNormal = 0x80;

struct ZipEntry {
    size_t index = 0;
    std::wstring name; // UTF-16 units, at most 259
    uint32_t attributes = 0;
    // File times in 100-nanosecond ticks since 1601.
    uint64_t creationTime = 0;
    uint64_t accessTime = 0;
    uint64_t writeTime = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;

    bool IsDirectory() const { return (attributes & kZipAttrDirectory) != 0; }
};

// Directory bit from the DOS or the Unix half of the external attributes; the DOS read-only,
// hidden, system and archive bits carried over.
uint32_t EntryAttributes(uint32_t externalAttributes);
