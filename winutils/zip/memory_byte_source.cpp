#include "zip/memory_byte_source.h"

#include <cstring>

bool MemoryByteSource::ReadAt(uint64_t offset, void* data, size_t size) {
    if (offset > size_ || size > size_ - offset) return false;
    if (size > 0) std::memcpy(data, data_ + offset, size);
    return true;
}
