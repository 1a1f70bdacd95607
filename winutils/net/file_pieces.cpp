#include <windows.h>

#include "net/file_pieces.h"

#include <algorithm>
#include <new>

#include "common/handles.h"
#include "common/long_path.h"
#include "common/paths.h"

namespace {

// The bytes as far as they can be read; a file that shrinks meanwhile is read to its end.
std::string ReadFileBytes(const std::wstring& path) {
    UniqueFile file(CreateFileW(ExtendedLengthPath(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return {};
    // Too big to hold: the whole submission fails rather than sending part of it.
    if (static_cast<unsigned long long>(size.QuadPart) > std::string().max_size())
        throw std::bad_alloc();
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &got, nullptr) || got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

} // namespace

bool LoadFilePieces(const std::vector<FormFile>& files, std::vector<FilePiece>& pieces) {
    pieces.clear();
    try {
        for (const FormFile& file : files)
            pieces.push_back({file.field, FileNameOf(file.path), ReadFileBytes(file.path)});
    } catch (const std::bad_alloc&) {
        pieces.clear();
        return false;
    }
    return true;
}
