#include "zip/unzip_to_folder.h"
#include "zip/entry_name.h"
#include "zip/target_path.h"
#include "zip/zip_reader.h"

namespace {

bool ExtractOne(ZipReader& reader, size_t index, const std::wstring& destination) {
    ZipEntry entry;
    if (reader.GetEntryInfo(index, entry) != kZipOk) return false;
    if (!IsSafeEntryName(entry.name, entry.IsDirectory())) return false;
    std::wstring target = JoinTargetPath(destination, entry.name);
    const size_t folderLength = target.size() - entry.name.size();
    if (!entry.IsDirectory()) {
        if (!FitTargetPath(target, folderLength)) return false;
        // Shortening may cut a name down to dots; it must still stay inside.
        if (!IsSafeEntryName(target.substr(folderLength), false)) return false;
    }
    return reader.ExtractEntry(index, target) == kZipOk;
}

} // namespace

bool UnzipToFolder(const std::wstring& archivePath, const std::wstring& destination) {
    ZipReader reader;
    if (reader.Open(archivePath) != kZipOk) return false;
    bool allExtracted = true;
    for (size_t i = 0; i < reader.EntryCount(); ++i)
        if (!ExtractOne(reader, i, destination)) allExtracted = false;
    reader.Close();
    return allExtracted;
}
