#include "zip/zip_records.h"
#include "zip/zip_codes.h"

#include <algorithm>

namespace {

uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t Le32(const uint8_t* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

bool HasSignature(const uint8_t* p, uint8_t third, uint8_t fourth) {
    return p[0] == 0x50 && p[1] == 0x4B && p[2] == third && p[3] == fourth;
}

// Search window and block layout of the end record search.
constexpr uint64_t kMaxSearch = 0xFFFF;
constexpr uint64_t kSearchStep = 1024;
constexpr size_t kSearchBlock = 1028;

} // namespace

bool ParseEndRecord(const uint8_t* p, EndRecord& r) {
    if (!HasSignature(p, 0x05, 0x06)) return false;
    r.disk = Le16(p + 4);
    r.directoryDisk = Le16(p + 6);
    r.entriesOnDisk = Le16(p + 8);
    r.totalEntries = Le16(p + 10);
    r.directorySize = Le32(p + 12);
    r.directoryOffset = Le32(p + 16);
    r.commentLength = Le16(p + 20);
    return true;
}

bool ParseCentralHeader(const uint8_t* p, CentralHeader& h) {
    if (!HasSignature(p, 0x01, 0x02)) return false;
    h.versionMadeBy = Le16(p + 4);
    h.versionNeeded = Le16(p + 6);
    h.flags = Le16(p + 8);
    h.method = Le16(p + 10);
    h.dosTime = Le16(p + 12);
    h.dosDate = Le16(p + 14);
    h.crc = Le32(p + 16);
    h.compressedSize = Le32(p + 20);
    h.uncompressedSize = Le32(p + 24);
    h.nameLength = Le16(p + 28);
    h.extraLength = Le16(p + 30);
    h.commentLength = Le16(p + 32);
    h.diskStart = Le16(p + 34);
    h.internalAttributes = Le16(p + 36);
    h.externalAttributes = Le32(p + 38);
    h.localOffset = Le32(p + 42);
    return true;
}

bool ParseLocalHeader(const uint8_t* p, LocalHeader& h) {
    if (!HasSignature(p, 0x03, 0x04)) return false;
    h.version = Le16(p + 4);
    h.flags = Le16(p + 6);
    h.method = Le16(p + 8);
    h.dosTime = Le16(p + 10);
    h.dosDate = Le16(p + 12);
    h.crc = Le32(p + 14);
    h.compressedSize = Le32(p + 18);
    h.uncompressedSize = Le32(p + 22);
    h.nameLength = Le16(p + 26);
    h.extraLength = Le16(p + 28);
    return true;
}

int FindEndRecord(ByteSource& source, uint64_t& position) {
    const uint64_t size = source.Size();
    const uint64_t maxBack = std::min(kMaxSearch, size);
    uint8_t block[kSearchBlock];
    // Blocks step backwards by 1024 bytes and overlap by 4 so a signature across a block
    // boundary is still seen.
    uint64_t back = 4;
    while (back < maxBack) {
        back = back + kSearchStep > maxBack ? maxBack : back + kSearchStep;
        const uint64_t readPos = size - back;
        const size_t readSize = static_cast<size_t>(std::min<uint64_t>(kSearchBlock, back));
        if (!source.ReadAt(readPos, block, readSize)) return kZipOpenReadError;
        for (size_t i = readSize - 3; i-- > 0;) {
            if (HasSignature(block + i, 0x05, 0x06)) {
                // Position 0 is the last candidate of all; it means "not found".
                if (readPos + i == 0) return kZipDamaged;
                position = readPos + i;
                return kZipOk;
            }
        }
    }
    return kZipDamaged;
}

ExtendedTimes FindExtendedTimes(const uint8_t* extra, size_t size) {
    ExtendedTimes times;
    size_t pos = 0;
    while (size - pos >= 4) {
        const uint8_t* block = extra + pos;
        const size_t length = Le16(block + 2);
        if (length > size - pos - 4) break;
        if (block[0] == 'U' && block[1] == 'T') {
            const uint8_t* data = block + 4;
            if (length < 1) break;
            const uint8_t flags = data[0];
            size_t at = 1;
            bool* present[] = {&times.hasWrite, &times.hasAccess, &times.hasCreation};
            int32_t* values[] = {&times.write, &times.access, &times.creation};
            for (int bit = 0; bit < 3; ++bit) {
                if (!(flags & (1 << bit))) continue;
                if (length - at < 4) break;
                *values[bit] = static_cast<int32_t>(Le32(data + at));
                *present[bit] = true;
                at += 4;
            }
            break;
        }
        pos += 4 + length;
    }
    return times;
}
