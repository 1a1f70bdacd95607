#include "frame/settings_store.h"

#include "frame/settings_text.h"

void CSettingsStore::Load(std::wstring_view text) {
    text_.clear();
    if (text.empty() || text.front() != L'\n') text_ = L"\n";
    text_.append(text);
    section_ = L"General";
}

const std::wstring& CSettingsStore::UseSection(std::wstring_view section) {
    if (!section.empty()) section_ = section;
    return section_;
}

std::wstring CSettingsStore::GetString(std::wstring_view key, std::wstring_view defaultValue,
                                       std::wstring_view section) {
    auto value = LookupSetting(text_, UseSection(section), key);
    return value ? *value : std::wstring(defaultValue);
}

std::int32_t CSettingsStore::GetInt(std::wstring_view key, std::int32_t defaultValue,
                                    std::wstring_view section) {
    std::wstring value = GetString(key, {}, section);
    return value.empty() ? defaultValue : ParseInt32(value);
}

std::int64_t CSettingsStore::GetInt64(std::wstring_view key, std::wstring_view section) {
    return ParseInt64(GetString(key, {}, section));
}

void CSettingsStore::SetString(std::wstring_view key, std::wstring_view value,
                               std::wstring_view section) {
    UpdateSetting(text_, UseSection(section), key, value);
}

void CSettingsStore::SetInt(std::wstring_view key, std::int32_t value, std::wstring_view section) {
    SetString(key, std::to_wstring(value), section);
}

void CSettingsStore::SetInt64(std::wstring_view key, std::int64_t value,
                              std::wstring_view section) {
    SetString(key, std::to_wstring(value), section);
}

std::wstring CSettingsStore::GetText() const { return text_.empty() ? text_ : text_.substr(1); }
