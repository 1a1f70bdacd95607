#include "zip_test_support.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>

namespace ziptest {

ZipItem Item(std::string name, std::string content, uint16_t method) {
    ZipItem item;
    item.name = std::move(name);
    item.content = std::move(content);
    item.method = method;
    return item;
}

ZipItem Folder(std::string name) {
    ZipItem item = Item(std::move(name), "", 0);
    item.externalAttributes = 0x10;
    return item;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    CloseHandle(file);
    return ok;
}

std::optional<std::string> ReadBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

std::vector<std::wstring> ListTree(const std::wstring& folder) {
    std::vector<std::wstring> names;
    std::error_code error;
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder, error))
        names.push_back(std::filesystem::relative(item.path(), folder).wstring());
    std::sort(names.begin(), names.end());
    return names;
}

void MakeWritable(const std::wstring& folder) {
    std::error_code error;
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder, error)) {
        const std::wstring path = item.path().wstring();
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
}

} // namespace ziptest
