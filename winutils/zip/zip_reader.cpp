#include "zip/zip_reader.h"
#include "zip/entry_file.h"

#include <windows.h>

int ZipReader::Open(const std::wstring& archivePath) {
    if (source_) return kZipInUse;
    auto source = std::make_unique<FileByteSource>();
    if (const int code = source->Open(archivePath); code != kZipOk) return code;
    if (const int code = archive_.Open(*source); code != kZipOk) return code;
    source_ = std::move(source);
    return kZipOk;
}

void ZipReader::Close() {
    archive_.Close();
    source_.reset();
}

int ZipReader::GetEntryInfo(size_t index, ZipEntry& entry) {
    return archive_.GetEntry(index, entry);
}

int ZipReader::ExtractEntry(size_t index, const std::wstring& targetPath) {
    ZipEntry entry;
    if (const int code = archive_.GetEntry(index, entry); code != kZipOk) return code;
    if (entry.IsDirectory()) {
        if (CreateDirectoryW(targetPath.c_str(), nullptr)) return kZipOk;
        const DWORD existing = GetFileAttributesW(targetPath.c_str());
        const bool isFolder =
            existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY);
        return isFolder ? kZipOk : kZipCannotOpen;
    }
    return WriteEntryFile(archive_, entry, targetPath);
}
