#include <windows.h>

#include "frame/registry_settings.h"

#include <gtest/gtest.h>

namespace {

bool KeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRegistrySettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

class RegistrySettings : public ::testing::Test {
  protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"software\\tarnwick"); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"software\\tarnwick"); }
};

TEST_F(RegistrySettings, MissingValueReadsEmptyWithoutCreatingTheKey) {
    EXPECT_EQ(ReadRegistrySetting(L"TranslateAuthorName"), L"");
    EXPECT_FALSE(KeyExists());
}

TEST_F(RegistrySettings, RoundTripWithTerminator) {
    ASSERT_TRUE(WriteRegistrySetting(L"TranslateAuthorName", L"Zo\u00EB \U0001F600"));
    EXPECT_EQ(ReadRegistrySetting(L"TranslateAuthorName"), L"Zo\u00EB \U0001F600");

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kRegistrySettingsKey, 0, KEY_READ, &key), 0);
    DWORD type = 0, bytes = 0;
    RegQueryValueExW(key, L"TranslateAuthorName", nullptr, &type, nullptr, &bytes);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes, (wcslen(L"Zo\u00EB \U0001F600") + 1) * sizeof(wchar_t));
}

TEST_F(RegistrySettings, NullTextCreatesOnlyTheKey) {
    EXPECT_TRUE(WriteRegistrySetting(L"TranslateAuthorEmail", nullptr));
    EXPECT_TRUE(KeyExists());
    EXPECT_EQ(ReadRegistrySetting(L"TranslateAuthorEmail"), L"");
}

TEST_F(RegistrySettings, ValueWithoutTerminatorIsReadWithinItsSize) {
    ASSERT_TRUE(WriteRegistrySetting(L"TranslateAuthorEmail", nullptr));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kRegistrySettingsKey, 0, KEY_WRITE, &key), 0);
    const wchar_t text[] = L"ab@example.orgXXXX";
    RegSetValueExW(key, L"TranslateAuthorEmail", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   14 * sizeof(wchar_t));
    RegCloseKey(key);
    EXPECT_EQ(ReadRegistrySetting(L"TranslateAuthorEmail"), L"ab@example.org");
}

}  // namespace
