#include "folder_tree.h"

#include "long_path.h"

namespace {

// The matches of a search pattern, without "." and "..".
class Listing {
  public:
    explicit Listing(const std::wstring& pattern)
        : handle_(FindFirstFileW(pattern.c_str(), &data_)) {
        error_ = handle_ == INVALID_HANDLE_VALUE ? GetLastError() : 0;
        SkipDots();
    }
    ~Listing() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    Listing(const Listing&) = delete;
    Listing& operator=(const Listing&) = delete;

    // 0 when the listing ended normally, with no match included.
    DWORD Error() const {
        return error_ == ERROR_FILE_NOT_FOUND || error_ == ERROR_NO_MORE_FILES ? 0 : error_;
    }
    bool Done() const { return handle_ == INVALID_HANDLE_VALUE || finished_; }
    const WIN32_FIND_DATAW& Entry() const { return data_; }
    void Next() {
        Advance();
        SkipDots();
    }

  private:
    void Advance() {
        if (!FindNextFileW(handle_, &data_)) {
            finished_ = true;
            error_ = GetLastError();
        }
    }
    void SkipDots() {
        while (!Done() &&
               (wcscmp(data_.cFileName, L".") == 0 || wcscmp(data_.cFileName, L"..") == 0))
            Advance();
    }

    WIN32_FIND_DATAW data_ = {};
    HANDLE handle_;
    DWORD error_ = 0;
    bool finished_ = false;
};

bool IsFolder(const WIN32_FIND_DATAW& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsLink(const WIN32_FIND_DATAW& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

std::wstring FolderOf(const std::wstring& pattern) {
    const size_t slash = pattern.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : pattern.substr(0, slash);
}

bool HasSameCopy(const WIN32_FIND_DATAW& entry, const std::wstring& copy) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(copy.c_str(), GetFileExInfoStandard, &data)) return false;
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           data.nFileSizeHigh == entry.nFileSizeHigh && data.nFileSizeLow == entry.nFileSizeLow &&
           CompareFileTime(&data.ftLastWriteTime, &entry.ftLastWriteTime) == 0;
}

DWORD EnsureFolder(const std::wstring& folder) {
    if (CreateDirectoryW(folder.c_str(), nullptr)) return 0;
    DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS) return error;
    DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)
               ? 0
               : ERROR_ALREADY_EXISTS;
}

DWORD CopyFolder(const std::wstring& source, const std::wstring& target) {
    Listing listing(source + L"\\*");
    for (; !listing.Done(); listing.Next()) {
        const WIN32_FIND_DATAW& entry = listing.Entry();
        const std::wstring from = source + L"\\" + entry.cFileName;
        const std::wstring to = target + L"\\" + entry.cFileName;
        if (IsFolder(entry)) {
            if (DWORD error = EnsureFolder(to)) return error;
            if (IsLink(entry)) continue;
            if (DWORD error = CopyFolder(from, to)) return error;
        } else if (!HasSameCopy(entry, to)) {
            if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) return GetLastError();
        }
    }
    return listing.Error();
}

size_t LongestBelow(const std::wstring& folder) {
    size_t longest = 0;
    for (Listing listing(folder + L"\\*"); !listing.Done(); listing.Next()) {
        const WIN32_FIND_DATAW& entry = listing.Entry();
        const size_t name = wcslen(entry.cFileName);
        size_t length = name;
        if (IsFolder(entry) && !IsLink(entry)) {
            const size_t below = LongestBelow(folder + L"\\" + entry.cFileName);
            if (below > 0) length = name + 1 + below;
        }
        if (length > longest) longest = length;
    }
    return longest;
}

DWORD RemoveFolder(const std::wstring& folder);

// Removes one listed entry of `folder`; a linked folder only as the link.
DWORD RemoveEntry(const std::wstring& folder, const WIN32_FIND_DATAW& entry) {
    const std::wstring path = folder + L"\\" + entry.cFileName;
    if (IsFolder(entry) && !IsLink(entry)) return RemoveFolder(path);
    if (IsFolder(entry)) return RemoveDirectoryW(path.c_str()) ? 0 : GetLastError();
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(path.c_str(), entry.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
    return DeleteFileW(path.c_str()) ? 0 : GetLastError();
}

DWORD RemoveListed(const std::wstring& folder, const std::wstring& pattern) {
    DWORD first = 0;
    Listing listing(pattern);
    for (; !listing.Done(); listing.Next()) {
        DWORD error = RemoveEntry(folder, listing.Entry());
        if (first == 0) first = error;
    }
    return first != 0 ? first : listing.Error();
}

DWORD RemoveFolder(const std::wstring& folder) {
    DWORD error = RemoveListed(folder, folder + L"\\*");
    // The listing is closed by now: an open search would keep the folder.
    if (RemoveDirectoryW(folder.c_str())) return error;
    return error != 0 ? error : GetLastError();
}

} // namespace

DWORD CopyMissingFiles(const std::wstring& source, const std::wstring& target) {
    return CopyFolder(ExtendedPath(source), ExtendedPath(target));
}

size_t LongestPathBelow(const std::wstring& folder) {
    return LongestBelow(ExtendedPath(folder));
}

size_t LongestMatchPath(const std::wstring& pattern) {
    const std::wstring folder = FolderOf(pattern);
    const std::wstring extendedFolder = FolderOf(ExtendedPath(pattern));
    size_t longest = 0;
    for (Listing listing(ExtendedPath(pattern)); !listing.Done(); listing.Next()) {
        const WIN32_FIND_DATAW& entry = listing.Entry();
        size_t length = folder.size() + 1 + wcslen(entry.cFileName);
        if (IsFolder(entry) && !IsLink(entry)) {
            const size_t below = LongestBelow(extendedFolder + L"\\" + entry.cFileName);
            if (below > 0) length += 1 + below;
        }
        if (length > longest) longest = length;
    }
    return longest;
}

DWORD RemoveTree(const std::wstring& folder) {
    return RemoveFolder(ExtendedPath(folder));
}

DWORD RemoveMatches(const std::wstring& pattern) {
    const std::wstring extended = ExtendedPath(pattern);
    return RemoveListed(FolderOf(extended), extended);
}
