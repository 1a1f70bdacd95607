#include "imaging/cx_io_file.h"

#include <climits>
#include <string>

CxIOFile::CxIOFile(std::FILE* stream) : stream_(stream), closeWhenDestroyed_(stream == nullptr) {}

CxIOFile::CxIOFile(const CxIOFile& other)
    : CxFile(other), stream_(other.stream_), closeWhenDestroyed_(false) {}

CxIOFile& CxIOFile::operator=(const CxIOFile& other) {
    if (this != &other) {
        Close();
        stream_ = other.stream_;
        closeWhenDestroyed_ = false;
    }
    return *this;
}

CxIOFile::~CxIOFile() {
    if (closeWhenDestroyed_) Close();
}

bool CxIOFile::Open(const wchar_t* fileName, const wchar_t* mode) {
    if (stream_ || !fileName || !mode) return false;
#ifdef _WIN32
    stream_ = _wfopen(fileName, mode);
#else
    auto narrow = [](const wchar_t* text) {
        std::string out;
        for (; *text; ++text)
            out += char(*text);
        return out;
    };
    stream_ = std::fopen(narrow(fileName).c_str(), narrow(mode).c_str());
#endif
    if (!stream_) return false;
    closeWhenDestroyed_ = true;
    return true;
}

bool CxIOFile::Close() {
    if (!stream_ || !closeWhenDestroyed_) return true;
    const int result = std::fclose(stream_);
    stream_ = nullptr;
    return result == 0;
}

std::size_t CxIOFile::Read(void* buffer, std::size_t size, std::size_t count) {
    if (!stream_ || !buffer) return 0;
    return std::fread(buffer, size, count, stream_);
}

std::size_t CxIOFile::Write(const void* buffer, std::size_t size, std::size_t count) {
    if (!stream_ || !buffer) return 0;
    return std::fwrite(buffer, size, count, stream_);
}

bool CxIOFile::Seek(std::int32_t offset, std::int32_t origin) {
    return stream_ && std::fseek(stream_, offset, origin) == 0;
}

std::int32_t CxIOFile::Tell() {
    if (!stream_) return 0;
    const long position = std::ftell(stream_);
    return position > INT32_MAX ? -1 : std::int32_t(position);
}

std::int32_t CxIOFile::Size() {
    if (!stream_) return -1;
    const long position = std::ftell(stream_);
    std::fseek(stream_, 0, SEEK_END);
    const long size = std::ftell(stream_);
    std::fseek(stream_, position, SEEK_SET);
    return size > INT32_MAX ? -1 : std::int32_t(size);
}

bool CxIOFile::Flush() {
    return stream_ && std::fflush(stream_) == 0;
}

bool CxIOFile::Eof() {
    return !stream_ || std::feof(stream_) != 0;
}

std::int32_t CxIOFile::Error() {
    return stream_ ? std::ferror(stream_) : -1;
}

bool CxIOFile::PutC(unsigned char c) {
    return stream_ && std::fputc(c, stream_) == c;
}

std::int32_t CxIOFile::GetC() {
    if (!stream_) return -1;
    const int c = std::getc(stream_);
    return c == EOF ? -1 : c;
}

char* CxIOFile::GetS(char* buffer, std::int32_t capacity) {
    if (!stream_ || !buffer || capacity <= 0) return nullptr;
    return std::fgets(buffer, capacity, stream_);
}

std::int32_t CxIOFile::Scanf(const char* format, void* output) {
    if (!stream_ || !format) return -1;
    return std::fscanf(stream_, format, output);
}
