// The image core's abstract byte stream. The order of the virtual functions is part of the
// library's exported interface: do not reorder or insert.
#pragma once
#include <cstddef>
#include <cstdint>

#include "imaging/image_core_api.h"

class KV_IMAGE_CORE_API CxFile {
  public:
    CxFile() = default;
    CxFile(const CxFile&) = default;
    CxFile& operator=(const CxFile&) = default;
    virtual ~CxFile();

    virtual bool Close() = 0;
    virtual std::size_t Read(void* buffer, std::size_t size, std::size_t count) = 0;
    virtual std::size_t Write(const void* buffer, std::size_t size, std::size_t count) = 0;
    virtual bool Seek(std::int32_t offset, std::int32_t origin) = 0; // origin 0, 1 or 2
    virtual std::int32_t Tell() = 0;
    virtual std::int32_t Size() = 0;
    virtual bool Flush() = 0;
    virtual bool Eof() = 0;
    virtual std::int32_t Error() = 0;
    // Writes one byte through Write.
    virtual bool PutC(unsigned char c);
    virtual std::int32_t GetC() = 0; // the byte, or -1
    virtual char* GetS(char* buffer, std::int32_t capacity) = 0;
    virtual std::int32_t Scanf(const char* format, void* output) = 0;
};
