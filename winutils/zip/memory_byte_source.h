// An archive held in memory (fuzzing, tests).
#pragma once
#include "zip/byte_source.h"

class MemoryByteSource : public ByteSource {
  public:
    MemoryByteSource(const void* data, size_t size)
        : data_(static_cast<const uint8_t*>(data)), size_(size) {}
    uint64_t Size() const override { return size_; }
    bool ReadAt(uint64_t offset, void* data, size_t size) override;

  private:
    const uint8_t* data_;
    size_t size_;
};
