// The zip reader's parsing half: finds the central directory, describes entries and streams
// their data into a sink. Works on any byte source; the archive is treated as hostile, so every
// offset and size is checked against the source before it is used.
#pragma once
#include "zip/byte_source.h"
#include "zip/zip_entry.h"
#include "zip/zip_records.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class ZipArchive {
  public:
    // `source` must outlive the archive's use of it (until Close).
    int Open(ByteSource& source);
    void Close();
    bool IsOpen() const { return source_ != nullptr; }

    size_t EntryCount() const { return count_; }
    int GetEntry(size_t index, ZipEntry& entry);
    int ExtractEntry(size_t index, ByteSink& sink);
    // Whether the last successful extraction's CRC-32 matched the directory's.
    bool LastCrcMatched() const { return lastCrcMatched_; }

  private:
    int ReadCentral(size_t index, CentralHeader& header, std::vector<uint8_t>* name);
    bool ReadLocal(const CentralHeader& central, LocalHeader& local, uint64_t& position);
    bool DataOverlapsOthers(uint64_t localPosition, uint64_t dataEnd) const;

    ByteSource* source_ = nullptr;
    uint64_t prefix_ = 0;         // bytes in front of the archive data
    uint64_t directoryStart_ = 0; // absolute positions in the source
    uint64_t directoryEnd_ = 0;
    size_t count_ = 0;
    // Offsets from directoryStart_ of the headers that could be reached by walking; a broken
    // header ends the walk and leaves the entries after it unreachable.
    std::vector<uint32_t> headerOffsets_;
    // Absolute local header positions of those entries, sorted, to refuse overlapping data.
    std::vector<uint64_t> localPositions_;
    bool lastCrcMatched_ = false;
};
