// A byte stream over a C runtime file stream.
#pragma once
#include <cstdio>

#include "imaging/cx_file.h"

class KV_IMAGE_CORE_API CxIOFile : public CxFile {
  public:
    // Uses the given stream without taking it over; without one, Open makes and owns one.
    explicit CxIOFile(std::FILE* stream = nullptr);
    // A copy shares the stream without owning it, so only the original closes it; the copy
    // must not outlive the original.
    CxIOFile(const CxIOFile& other);
    CxIOFile& operator=(const CxIOFile& other);
    ~CxIOFile() override;

    // Opens a file (C runtime mode text such as L"rb"); fails when a stream is already held.
    bool Open(const wchar_t* fileName, const wchar_t* mode);

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
    std::FILE* stream_;
    bool closeWhenDestroyed_;
};
