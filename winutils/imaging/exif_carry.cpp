#include "imaging/exif_carry.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "common/handles.h"
#include "imaging/jpeg_exif.h"
#include "imaging/mime_type.h"

namespace {

UniqueFile OpenForReading(const std::wstring& path) {
    return UniqueFile(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& bytes) {
    UniqueFile file = OpenForReading(path);
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > (256 << 20)) return false;
    bytes.resize(std::size_t(size.QuadPart));
    DWORD got = 0;
    return ReadFile(file.get(), bytes.data(), DWORD(bytes.size()), &got, nullptr) &&
           got == bytes.size();
}

// Writes beside the file and then replaces it, so a failure leaves the old file whole.
bool ReplaceFileContents(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    const std::wstring temporary = path + L".exif.tmp";
    {
        UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!file || !WriteFile(file.get(), bytes.data(), DWORD(bytes.size()), &written, nullptr) ||
            written != bytes.size()) {
            file.reset();
            DeleteFileW(temporary.c_str());
            return false;
        }
    }
    if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    DeleteFileW(temporary.c_str());
    return false;
}

} // namespace

void CarryJpegExif(const std::wstring& source, const std::wstring& destination) {
    if (MimeTypeForPath(destination) != L"image/jpeg") return;
    try {
        std::vector<std::uint8_t> segment;
        {
            UniqueFile file = OpenForReading(source);
            if (!file) return;
            const ByteReader read = [&](std::uint64_t offset, void* buffer, std::size_t length) {
                LARGE_INTEGER at;
                at.QuadPart = LONGLONG(offset);
                DWORD got = 0;
                if (length > MAXDWORD || !SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN) ||
                    !ReadFile(file.get(), buffer, DWORD(length), &got, nullptr))
                    return std::size_t(0);
                return std::size_t(got);
            };
            if (!ReadJpegExifSegment(read, &segment)) return;
        }
        std::vector<std::uint8_t> jpeg;
        if (!ReadWholeFile(destination, jpeg) || HasJpegExifSegment(jpeg)) return;
        if (InsertJpegSegment(jpeg, segment)) ReplaceFileContents(destination, jpeg);
    } catch (const std::bad_alloc&) {
    }
}
