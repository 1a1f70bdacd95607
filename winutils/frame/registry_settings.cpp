#include <windows.h>

#include "frame/registry_settings.h"

#include <vector>

#include "common/handles.h"

const wchar_t kRegistrySettingsKey[] = L"software\\tarnwick\\korvane\\settings";

std::wstring ReadRegistrySetting(const wchar_t* name) {
    UniqueKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRegistrySettingsKey, 0, KEY_READ, key.put()) !=
        ERROR_SUCCESS)
        return {};
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
        return {};
    // One spare unit so a value stored without its terminator still ends inside the buffer.
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &bytes) != ERROR_SUCCESS)
        return {};
    buffer[std::min<size_t>(bytes / sizeof(wchar_t), buffer.size() - 1)] = L'\0';
    return buffer.data();
}

bool WriteRegistrySetting(const wchar_t* name, const wchar_t* text) {
    UniqueKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRegistrySettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                        key.put(), nullptr) != ERROR_SUCCESS)
        return false;
    if (!text) return true;
    DWORD bytes = static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          bytes) == ERROR_SUCCESS;
}
