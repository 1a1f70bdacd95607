// Typed view of the settings text for the length of one dialog call.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

class CSettingsStore {
  public:
    void Load(std::wstring_view text);

    // A non-empty section becomes the current section for this and later calls.
    std::wstring GetString(std::wstring_view key, std::wstring_view defaultValue,
                           std::wstring_view section = {});
    std::int32_t GetInt(std::wstring_view key, std::int32_t defaultValue,
                        std::wstring_view section = {});
    std::int64_t GetInt64(std::wstring_view key, std::wstring_view section = {});
    void SetString(std::wstring_view key, std::wstring_view value, std::wstring_view section = {});
    void SetInt(std::wstring_view key, std::int32_t value, std::wstring_view section = {});
    void SetInt64(std::wstring_view key, std::int64_t value, std::wstring_view section = {});

    // The text without the line feed kept in front of it.
    std::wstring GetText() const;

  private:
    const std::wstring& UseSection(std::wstring_view section);

    std::wstring text_;
    std::wstring section_ = L"General";
};
