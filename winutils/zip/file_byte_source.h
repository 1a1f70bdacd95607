// An archive file on disk as a byte source.
#pragma once
#include "common/handles.h"
#include "zip/byte_source.h"

#include <string>

class FileByteSource : public ByteSource {
  public:
    // Opens for reading, shared for reading, existing files only; kZipCannotOpen or
    // kZipOpenReadError on failure.
    int Open(const std::wstring& path);
    uint64_t Size() const override { return size_; }
    bool ReadAt(uint64_t offset, void* data, size_t size) override;

  private:
    UniqueFile file_;
    uint64_t size_ = 0;
};

// Writes into an open file handle.
class FileByteSink : public ByteSink {
  public:
    explicit FileByteSink(HANDLE file) : file_(file) {}
    bool Write(const void* data, size_t size) override;

  private:
    HANDLE file_;
};
