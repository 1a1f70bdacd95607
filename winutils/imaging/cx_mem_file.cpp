#include "imaging/cx_mem_file.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
constexpr std::uint64_t kBlock = 65536;
// Positions and sizes are signed 32-bit; no buffer grows past what they can address.
constexpr std::uint64_t kLargest = INT32_MAX;
} // namespace

CxMemFile::CxMemFile()
    : buffer_(nullptr), size_(0), freeOnClose_(true), position_(0), capacity_(0) {}

CxMemFile::CxMemFile(std::uint8_t* buffer, std::uint32_t size)
    : buffer_(buffer), size_(buffer ? std::int32_t(size > kLargest ? kLargest : size) : 0),
      freeOnClose_(buffer == nullptr), position_(0), capacity_(buffer ? std::uint32_t(size_) : 0) {}

CxMemFile::CxMemFile(const CxMemFile& other)
    : CxFile(other), buffer_(other.buffer_), size_(other.size_), freeOnClose_(false),
      position_(other.position_), capacity_(other.capacity_) {}

CxMemFile& CxMemFile::operator=(const CxMemFile& other) {
    if (this != &other) {
        Close();
        buffer_ = other.buffer_;
        size_ = other.size_;
        freeOnClose_ = false;
        position_ = other.position_;
        capacity_ = other.capacity_;
    }
    return *this;
}

CxMemFile::~CxMemFile() {
    Close();
}

bool CxMemFile::Open() {
    if (buffer_) return false;
    size_ = position_ = 0;
    capacity_ = 0;
    return Grow(1);
}

std::uint8_t* CxMemFile::GetBuffer(bool detach) {
    if (detach) freeOnClose_ = false;
    return buffer_;
}

bool CxMemFile::Close() {
    if (buffer_ && freeOnClose_) {
        std::free(buffer_);
        buffer_ = nullptr;
        size_ = 0;
    }
    return true;
}

bool CxMemFile::Grow(std::uint64_t n) {
    if (n <= capacity_) return buffer_ != nullptr;
    if (n > kLargest) return false;
    const std::uint64_t capacity = (n / kBlock) * kBlock + kBlock;
    // A buffer the stream does not own is copied, never reallocated under its owner.
    std::uint8_t* grown =
        static_cast<std::uint8_t*>(freeOnClose_ ? std::realloc(buffer_, std::size_t(capacity))
                                                : std::malloc(std::size_t(capacity)));
    if (!grown) return false; // the old buffer stays as it was
    if (!freeOnClose_ && buffer_) std::memcpy(grown, buffer_, capacity_);
    // Bytes past the old end read as 0, also after a seek past the end.
    std::memset(grown + capacity_, 0, std::size_t(capacity - capacity_));
    buffer_ = grown;
    capacity_ = std::uint32_t(capacity);
    freeOnClose_ = true;
    return true;
}

std::size_t CxMemFile::Read(void* buffer, std::size_t size, std::size_t count) {
    if (!buffer_ || !buffer || position_ >= size_ || size == 0 || count == 0) return 0;
    const std::size_t available = std::size_t(size_ - position_);
    // size x count without overflow: more than available is as good as any larger number.
    const std::size_t wanted = count > available / size ? available : size * count;
    const std::size_t copied = wanted < available ? wanted : available;
    std::memcpy(buffer, buffer_ + position_, copied);
    position_ += std::int32_t(copied);
    return copied / size;
}

std::size_t CxMemFile::Write(const void* buffer, std::size_t size, std::size_t count) {
    if (!buffer_ || !buffer || size == 0 || count == 0) return 0;
    if (count > kLargest / size) return 0;
    const std::uint64_t length = std::uint64_t(size) * count;
    const std::uint64_t end = std::uint64_t(position_) + length;
    if (end > kLargest) return 0;
    if (end > capacity_ && !Grow(end)) return 0;
    std::memcpy(buffer_ + position_, buffer, std::size_t(length));
    position_ = std::int32_t(end);
    if (position_ > size_) size_ = position_;
    return count;
}

bool CxMemFile::Seek(std::int32_t offset, std::int32_t origin) {
    if (!buffer_) return false;
    std::int64_t position;
    switch (origin) {
    case 0:
        position = offset;
        break;
    case 1:
        position = std::int64_t(position_) + offset;
        break;
    case 2:
        position = std::int64_t(size_) + offset;
        break;
    default:
        return false;
    }
    if (position < 0) position = 0;
    if (position > std::int64_t(kLargest)) return false;
    position_ = std::int32_t(position);
    return true;
}

std::int32_t CxMemFile::Tell() {
    return buffer_ ? position_ : -1;
}

std::int32_t CxMemFile::Size() {
    return buffer_ ? size_ : -1;
}

bool CxMemFile::Flush() {
    return buffer_ != nullptr;
}

bool CxMemFile::Eof() {
    return !buffer_ || position_ >= size_;
}

std::int32_t CxMemFile::Error() {
    if (!buffer_) return -1;
    return position_ > size_ ? 1 : 0;
}

bool CxMemFile::PutC(unsigned char c) {
    if (!buffer_) return false;
    if (std::uint64_t(position_) >= capacity_ && !Grow(std::uint64_t(position_) + 1)) return false;
    buffer_[position_++] = c;
    if (position_ > size_) size_ = position_;
    return true;
}

std::int32_t CxMemFile::GetC() {
    if (Eof()) return -1;
    return buffer_[position_++];
}

char* CxMemFile::GetS(char* buffer, std::int32_t capacity) {
    if (!buffer || capacity <= 0) return nullptr;
    std::int32_t stored = 0;
    while (stored < capacity - 1) {
        const std::int32_t c = GetC();
        if (c == -1) return nullptr; // the end, even after some bytes
        buffer[stored++] = char(c);
        if (c == '\n') break;
    }
    buffer[stored] = '\0';
    return buffer;
}

std::int32_t CxMemFile::Scanf(const char*, void*) {
    return 0;
}
