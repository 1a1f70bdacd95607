#include "zip/entry_file.h"
#include "common/handles.h"
#include "zip/file_byte_source.h"
#include "zip/zip_codes.h"

#include <atomic>
#include <cwchar>

namespace {

FILETIME ToFileTime(uint64_t ticks) {
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(ticks);
    time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return time;
}

// Paths past the classic limit need the long form; the target itself always fits.
std::wstring UsablePath(const std::wstring& path) {
    if (path.size() <= MAX_PATH - 1) return path;
    const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length) return path;
    full.resize(written);
    if (full.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

// A new, unshared file in the target's folder; `temp` receives its path.
UniqueFile CreateTempBeside(const std::wstring& target, std::wstring& temp) {
    static std::atomic<unsigned> counter{0};
    const size_t separator = target.find_last_of(L"\\/");
    const std::wstring folder =
        separator == std::wstring::npos ? L"" : target.substr(0, separator + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        wchar_t name[40];
        std::swprintf(name, 40, L"~kvzip%04lx%04x.tmp", GetCurrentProcessId() & 0xFFFF,
                      counter.fetch_add(1) & 0xFFFF);
        temp = UsablePath(folder + name);
        UniqueFile file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return UniqueFile();
}

} // namespace

int WriteEntryFile(ZipArchive& archive, const ZipEntry& entry, const std::wstring& target) {
    const DWORD existing = GetFileAttributesW(target.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES &&
        (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return kZipCannotOpen;

    std::wstring temp;
    UniqueFile file = CreateTempBeside(target, temp);
    if (!file) return kZipCannotOpen;
    FileByteSink sink(file.get());
    int code = archive.ExtractEntry(entry.index, sink);
    if (code == kZipOk && GetFileType(file.get()) == FILE_TYPE_DISK) {
        const FILETIME creation = ToFileTime(entry.creationTime);
        const FILETIME access = ToFileTime(entry.accessTime);
        const FILETIME write = ToFileTime(entry.writeTime);
        SetFileTime(file.get(), &creation, &access, &write);
    }
    file.reset();
    if (code == kZipOk && !MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))
        code = kZipCannotOpen;
    if (code != kZipOk) {
        DeleteFileW(temp.c_str());
        return code;
    }
    if (entry.attributes != FILE_ATTRIBUTE_NORMAL &&
        !SetFileAttributesW(target.c_str(), entry.attributes))
        return kZipReadWrite;
    return kZipOk;
}
