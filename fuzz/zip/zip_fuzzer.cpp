// Feeds arbitrary bytes to the zip reader as an archive: open it, describe and extract every
// entry into a counting sink, and check the limits the reader promises.
#include "zip/entry_name.h"
#include "zip/memory_byte_source.h"
#include "zip/target_path.h"
#include "zip/utf8_name.h"
#include "zip/zip_archive.h"
#include "zip/zip_codes.h"

#include <cstdlib>

namespace {

class CountingSink : public ByteSink {
  public:
    bool Write(const void*, size_t size) override {
        written += size;
        return true;
    }
    uint64_t written = 0;
};

void Check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryByteSource source(data, size);
    ZipArchive archive;
    if (archive.Open(source) != kZipOk) return 0;
    Check(archive.Open(source) == kZipInUse);
    for (size_t i = 0; i < archive.EntryCount(); ++i) {
        ZipEntry entry;
        const int info = archive.GetEntry(i, entry);
        if (info == kZipOk) {
            Check(entry.name.size() <= kMaxEntryNameLength);
            if (IsSafeEntryName(entry.name, entry.IsDirectory())) {
                std::wstring target = JoinTargetPath(L"C:\\frames", entry.name);
                const size_t folder = target.size() - entry.name.size();
                if (FitTargetPath(target, folder)) Check(target.size() <= kMaxTargetPath);
            }
        }
        CountingSink sink;
        const int code = archive.ExtractEntry(i, sink);
        if (info == kZipOk) {
            Check(sink.written <= entry.uncompressedSize);
            if (code == kZipOk) Check(sink.written == entry.uncompressedSize);
        }
    }
    ZipEntry beyond;
    Check(archive.GetEntry(archive.EntryCount(), beyond) == kZipBadIndex);
    archive.Close();
    return 0;
}
