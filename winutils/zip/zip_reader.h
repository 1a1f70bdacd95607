// Reads a zip archive file and extracts its entries to files and folders.
#pragma once
#include "zip/file_byte_source.h"
#include "zip/zip_archive.h"
#include "zip/zip_codes.h"

#include <memory>
#include <string>

class ZipReader {
  public:
    int Open(const std::wstring& archivePath);
    void Close();
    size_t EntryCount() const { return archive_.EntryCount(); }
    int GetEntryInfo(size_t index, ZipEntry& entry);
    // A directory entry creates that one folder (an existing one is fine); a file entry is
    // written to `targetPath` with its times and attributes.
    int ExtractEntry(size_t index, const std::wstring& targetPath);

  private:
    std::unique_ptr<FileByteSource> source_;
    ZipArchive archive_;
};
