// Writes zip archives for the tests and the fuzzer's seed corpus, with knobs for faults.
// Free of system headers so the native seed generator can use it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ziptest {

struct ZipItem {
    std::string name; // UTF-8 bytes as stored
    std::string content;
    uint16_t method = 8; // 0 and 8 are encoded; any other method stores the content as is
    uint16_t flags = 0;
    uint32_t externalAttributes = 0x20;
    uint16_t dosDate = (43 << 9) | (5 << 5) | 17;   // 2023-05-17
    uint16_t dosTime = (13 << 11) | (45 << 5) | 15; // 13:45:30
    std::string localExtra;
    std::string centralExtra;
    std::optional<std::string> payload;   // stored bytes instead of encoding `content`
    std::optional<uint32_t> declaredSize; // uncompressed size in both headers
    std::optional<uint32_t> declaredCrc;  // CRC-32 in both headers
    int sharesHeaderOf = -1;              // no local record: the directory points at that item's
};

struct ZipOptions {
    std::string stub;    // bytes in front of the archive
    std::string comment; // archive comment
};

// The archive and where its records landed.
struct ZipLayout {
    std::string bytes;
    std::vector<size_t> local;   // local header positions, per item
    std::vector<size_t> central; // central header positions, per item
    size_t end = 0;              // end record position
};

ZipLayout WriteZip(const std::vector<ZipItem>& items, const ZipOptions& options = {});

std::string RawDeflate(const std::string& data);
uint32_t Crc32(const std::string& data);
void PatchLe16(std::string& bytes, size_t at, uint16_t value);
void PatchLe32(std::string& bytes, size_t at, uint32_t value);

// An "UT" extra block with the given flags and times in order.
std::string ExtendedTimestamp(uint8_t flags, const std::vector<int32_t>& times);

// Content that deflates to something but not to nothing.
std::string PseudoRandomText(size_t size, uint32_t seed);

} // namespace ziptest
