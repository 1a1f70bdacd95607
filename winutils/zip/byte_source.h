// Where the reader gets archive bytes from and where extracted bytes go. Kept free of system
// headers so the parsing code builds natively for fuzzing.
#pragma once
#include <cstddef>
#include <cstdint>

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Total size in bytes, fixed while the source is in use.
    virtual uint64_t Size() const = 0;
    // Reads exactly `size` bytes at `offset`; false on any short or failed read.
    virtual bool ReadAt(uint64_t offset, void* data, size_t size) = 0;
};

class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // Writes all `size` bytes; false when they could not be written.
    virtual bool Write(const void* data, size_t size) = 0;
};
