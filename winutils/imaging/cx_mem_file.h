// A byte stream over a heap buffer that grows in blocks of 65536 bytes.
#pragma once
#include "imaging/cx_file.h"

class KV_IMAGE_CORE_API CxMemFile : public CxFile {
  public:
    CxMemFile();
    // Reads and writes the caller's buffer of size bytes without owning it; growing moves
    // the contents into a buffer of the stream's own.
    CxMemFile(std::uint8_t* buffer, std::uint32_t size);
    // A copy shares the buffer without owning it, so only the original frees it; the copy
    // must not outlive the original.
    CxMemFile(const CxMemFile& other);
    CxMemFile& operator=(const CxMemFile& other);
    ~CxMemFile() override;

    // Starts an empty owned buffer; fails when a buffer is already held.
    bool Open();
    // The buffer (null when none); with detach the caller takes it over (free it with free()).
    std::uint8_t* GetBuffer(bool detach = true);
    std::uint32_t Capacity() const { return capacity_; }

    bool Close() override;
    std::size_t Read(void* buffer, std::size_t size, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t size, std::size_t count) override;
    bool Seek(std::int32_t offset, std::int32_t origin) override;
    std::int32_t Tell() override;
    std::int32_t Size() override;
    bool Flush() override;
    bool Eof() override;
    std::int32_t Error() override;
    bool PutC(unsigned char c) override;
    std::int32_t GetC() override;
    char* GetS(char* buffer, std::int32_t capacity) override;
    std::int32_t Scanf(const char* format, void* output) override;

  protected:
    // Makes room for n bytes: capacity becomes n rounded down to 65536 plus 65536.
    bool Grow(std::uint64_t n);

    std::uint8_t* buffer_;
    std::int32_t size_; // the highest position ever written
    bool freeOnClose_;
    std::int32_t position_;
    std::uint32_t capacity_;
};
