// Helpers for the zip tests: archives in memory and on disk, folder listings.
#pragma once
#include "zip/byte_source.h"
#include "zip/memory_byte_source.h"
#include "zip/zip_archive.h"
#include "zip_writer.h"

#include <optional>
#include <string>
#include <vector>

namespace ziptest {

// An archive opened from bytes held by the object itself.
struct MemoryArchive {
    explicit MemoryArchive(std::string data)
        : bytes(std::move(data)), source(bytes.data(), bytes.size()) {}
    int Open() { return archive.Open(source); }
    std::string bytes;
    MemoryByteSource source;
    ZipArchive archive;
};

// Collects what an extraction writes and the largest single piece.
class StringSink : public ByteSink {
  public:
    bool Write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
        if (size > largestPiece) largestPiece = size;
        return true;
    }
    std::string text;
    size_t largestPiece = 0;
};

ZipItem Item(std::string name, std::string content, uint16_t method = 8);
ZipItem Folder(std::string name);

bool WriteBytes(const std::wstring& path, const std::string& bytes);
std::optional<std::string> ReadBytes(const std::wstring& path);
// Every file and folder below `folder`, as relative paths with backslashes, sorted.
std::vector<std::wstring> ListTree(const std::wstring& folder);
// Clears read-only marks below `folder` so the test folder can be removed later.
void MakeWritable(const std::wstring& folder);

} // namespace ziptest
