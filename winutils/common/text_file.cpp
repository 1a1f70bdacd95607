#include <windows.h>

#include "common/text_file.h"

#include <algorithm>
#include <climits>
#include <new>

#include "common/handles.h"
#include "common/long_path.h"
#include "common/text_encoding.h"

namespace {

UniqueFile OpenForReading(const std::wstring& path) {
    return UniqueFile(CreateFileW(ExtendedLengthPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool ReadAll(HANDLE file, std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + done, chunk, &got, nullptr)) return false;
        if (got == 0) break;
        done += got;
    }
    // A file that shrank meanwhile is read as far as it goes.
    bytes.resize(done);
    return true;
}

std::wstring DecodeCodePage(std::string_view bytes, unsigned int codePage) {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    int size = static_cast<int>(bytes.size());
    int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring text(length, L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
    return text;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace

long long FileSize(const std::wstring& path) {
    UniqueFile file = OpenForReading(path);
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.get(), &size)) return -1;
    return size.QuadPart;
}

long long ReadTextFile(const std::wstring& path, std::wstring& text, unsigned int codePage) {
    text.clear();
    long long size = FileSize(path);
    if (size < 0) return -1;
    UniqueFile file = OpenForReading(path);
    if (!file) return 0;
    std::string bytes;
    if (static_cast<unsigned long long>(size) > bytes.max_size()) return 0;
    try {
        bytes.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (!ReadAll(file.get(), bytes)) return 0;

    size_t mark = 0;
    std::string_view body(bytes);
    switch (DetectByteOrderMark(body, mark)) {
    case TextEncoding::Utf16Le:
        text = DecodeUtf16Le(body.substr(mark));
        break;
    case TextEncoding::Utf8:
        text = DecodeUtf8(body.substr(mark));
        break;
    case TextEncoding::CodePage:
        text = DecodeCodePage(body, codePage);
        break;
    }
    text = CollapseCrLf(text);
    return static_cast<long long>(bytes.size());
}

bool WriteUtf8TextFile(const std::wstring& path, std::wstring_view text) {
    UniqueFile file(CreateFileW(ExtendedLengthPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::string bytes;
    if (WantsByteOrderMark(path)) bytes = "\xEF\xBB\xBF";
    bytes += EncodeUtf8(ExpandLineFeeds(text));
    return WriteAll(file.get(), bytes);
}
