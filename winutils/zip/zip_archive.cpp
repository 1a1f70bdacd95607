#include "zip/zip_archive.h"
#include "zip/entry_data.h"
#include "zip/utf8_name.h"
#include "zip/zip_codes.h"
#include "zip/zip_times.h"

#include <algorithm>

namespace {

constexpr uint16_t kFlagDataDescriptor = 0x8;

} // namespace

uint32_t EntryAttributes(uint32_t external) {
    const uint32_t dosBits =
        external & (kZipAttrReadOnly | kZipAttrHidden | kZipAttrSystem | kZipAttrArchive);
    const bool directory = (external & 0x10) != 0 || (external & 0x40000000) != 0;
    if (directory) return kZipAttrDirectory | dosBits;
    return dosBits != 0 ? dosBits : kZipAttrNormal;
}

int ZipArchive::Open(ByteSource& source) {
    if (source_) return kZipInUse;
    uint64_t position = 0;
    if (const int code = FindEndRecord(source, position); code != kZipOk) return code;
    const uint64_t size = source.Size();
    if (size - position < kEndRecordSize) return kZipDamaged;
    uint8_t bytes[kEndRecordSize];
    if (!source.ReadAt(position, bytes, sizeof bytes)) return kZipOpenReadError;
    EndRecord end;
    if (!ParseEndRecord(bytes, end)) return kZipDamaged;
    if (end.disk != 0 || end.directoryDisk != 0 || end.entriesOnDisk != end.totalEntries)
        return kZipDamaged;
    const uint64_t directoryEnd = uint64_t{end.directoryOffset} + end.directorySize;
    if (directoryEnd > position) return kZipDamaged;
    // Every header takes at least 46 bytes: more entries than that cannot be real.
    if (uint64_t{end.totalEntries} * kCentralHeaderSize > end.directorySize) return kZipDamaged;

    prefix_ = position - directoryEnd;
    directoryStart_ = prefix_ + end.directoryOffset;
    directoryEnd_ = directoryStart_ + end.directorySize;
    count_ = end.totalEntries;
    headerOffsets_.clear();
    localPositions_.clear();

    // Walk the directory once; each step moves forward by at least a header, inside the
    // directory, so the walk ends.
    uint64_t at = directoryStart_;
    for (size_t i = 0; i < count_; ++i) {
        if (directoryEnd_ - at < kCentralHeaderSize) break;
        uint8_t header[kCentralHeaderSize];
        if (!source.ReadAt(at, header, sizeof header)) return kZipOpenReadError;
        CentralHeader central;
        if (!ParseCentralHeader(header, central)) break;
        if (central.TotalSize() > directoryEnd_ - at) break;
        headerOffsets_.push_back(static_cast<uint32_t>(at - directoryStart_));
        localPositions_.push_back(prefix_ + central.localOffset);
        at += central.TotalSize();
    }
    std::sort(localPositions_.begin(), localPositions_.end());
    source_ = &source;
    lastCrcMatched_ = false;
    return kZipOk;
}

void ZipArchive::Close() {
    source_ = nullptr;
    count_ = 0;
    headerOffsets_.clear();
    localPositions_.clear();
}

int ZipArchive::ReadCentral(size_t index, CentralHeader& header, std::vector<uint8_t>* name) {
    if (!source_) return kZipNotOpen;
    if (index >= count_) return kZipBadIndex;
    if (index >= headerOffsets_.size()) return kZipDamaged;
    const uint64_t at = directoryStart_ + headerOffsets_[index];
    uint8_t bytes[kCentralHeaderSize];
    if (!source_->ReadAt(at, bytes, sizeof bytes) || !ParseCentralHeader(bytes, header))
        return kZipReadWrite;
    if (name) {
        name->resize(header.nameLength);
        if (!source_->ReadAt(at + kCentralHeaderSize, name->data(), name->size()))
            return kZipReadWrite;
    }
    return kZipOk;
}

bool ZipArchive::ReadLocal(const CentralHeader& central, LocalHeader& local, uint64_t& position) {
    position = prefix_ + central.localOffset;
    uint8_t bytes[kLocalHeaderSize];
    return source_->ReadAt(position, bytes, sizeof bytes) && ParseLocalHeader(bytes, local);
}

int ZipArchive::GetEntry(size_t index, ZipEntry& entry) {
    CentralHeader central;
    std::vector<uint8_t> name;
    if (const int code = ReadCentral(index, central, &name); code != kZipOk) return code;
    LocalHeader local;
    uint64_t position = 0;
    if (!ReadLocal(central, local, position)) return kZipLocalMismatch;
    std::vector<uint8_t> extra(local.extraLength);
    if (!source_->ReadAt(position + kLocalHeaderSize + local.nameLength, extra.data(),
                         extra.size()))
        return kZipLocalExtra;

    entry.index = index;
    entry.name = DecodeUtf8Name(name.data(), name.size());
    entry.attributes = EntryAttributes(central.externalAttributes);
    const uint64_t dosTime = DosDateTimeToFileTicks(central.dosDate, central.dosTime);
    const ExtendedTimes ut = FindExtendedTimes(extra.data(), extra.size());
    entry.writeTime = ut.hasWrite ? UnixTimeToFileTicks(ut.write) : dosTime;
    entry.accessTime = ut.hasAccess ? UnixTimeToFileTicks(ut.access) : dosTime;
    entry.creationTime = ut.hasCreation ? UnixTimeToFileTicks(ut.creation) : dosTime;
    entry.compressedSize = central.compressedSize;
    entry.uncompressedSize = central.uncompressedSize;
    return kZipOk;
}

bool ZipArchive::DataOverlapsOthers(uint64_t localPosition, uint64_t dataEnd) const {
    const auto range =
        std::equal_range(localPositions_.begin(), localPositions_.end(), localPosition);
    if (range.second - range.first != 1) return true; // another entry shares this header
    return range.second != localPositions_.end() && *range.second < dataEnd;
}

int ZipArchive::ExtractEntry(size_t index, ByteSink& sink) {
    lastCrcMatched_ = false;
    CentralHeader central;
    if (const int code = ReadCentral(index, central, nullptr); code != kZipOk) return code;
    LocalHeader local;
    uint64_t position = 0;
    if (!ReadLocal(central, local, position)) return kZipReadWrite;
    if (local.method != central.method ||
        (central.method != kMethodStored && central.method != kMethodDeflated))
        return kZipReadWrite;
    if (!(central.flags & kFlagDataDescriptor) &&
        (local.crc != central.crc || local.compressedSize != central.compressedSize ||
         local.uncompressedSize != central.uncompressedSize))
        return kZipReadWrite;
    if (local.nameLength != central.nameLength) return kZipReadWrite;

    EntryData data;
    data.offset = position + kLocalHeaderSize + local.nameLength + local.extraLength;
    data.method = central.method;
    data.compressedSize = central.compressedSize;
    data.uncompressedSize = central.uncompressedSize;
    data.crc = central.crc;
    // The data must lie before the directory and not reach into another entry, so no two
    // entries can expand the same bytes.
    const uint64_t dataEnd = data.offset + data.compressedSize;
    if (dataEnd > directoryStart_ || DataOverlapsOthers(position, dataEnd)) return kZipReadWrite;
    return CopyEntryData(*source_, data, sink, lastCrcMatched_);
}
