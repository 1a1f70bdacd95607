#include "zip/file_byte_source.h"
#include "zip/zip_codes.h"

#include <algorithm>

int FileByteSource::Open(const std::wstring& path) {
    file_.reset(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_) return kZipCannotOpen;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file_.get(), &size) || size.QuadPart < 0) {
        file_.reset();
        return kZipOpenReadError;
    }
    size_ = static_cast<uint64_t>(size.QuadPart);
    return kZipOk;
}

bool FileByteSource::ReadAt(uint64_t offset, void* data, size_t size) {
    if (!file_ || offset > size_ || size > size_ - offset) return false;
    auto* out = static_cast<uint8_t*>(data);
    while (size > 0) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        const DWORD want = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file_.get(), out, want, &got, &at) || got == 0) return false;
        out += got;
        offset += got;
        size -= got;
    }
    return true;
}

bool FileByteSink::Write(const void* data, size_t size) {
    auto* in = static_cast<const uint8_t*>(data);
    while (size > 0) {
        const DWORD want = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file_, in, want, &written, nullptr) || written == 0) return false;
        in += written;
        size -= written;
    }
    return true;
}
