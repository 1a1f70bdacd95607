// Writes one file entry to disk so that a failure never leaves a broken file under its name.
#pragma once
#include "zip/zip_archive.h"

#include <string>

// Extracts into a temporary file beside the target, sets the entry's times, then moves it over
// the target and applies the attributes. On failure the temporary file is deleted and an
// existing target stays untouched. A read-only target is not replaced (kZipCannotOpen).
int WriteEntryFile(ZipArchive& archive, const ZipEntry& entry, const std::wstring& target);
