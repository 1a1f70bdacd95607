#include <gtest/gtest.h>

#include <string>

#include "command_line.h"
#include "path_list.h"

namespace {

using namespace std::literals;

TEST(CommandTail, DropsTheProgramNameAndTheBlanksBehindIt) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"updater.exe C:\\Korvane", L"C:\\Korvane"},
        {L"updater.exe", L""},
        {L"updater.exe \t ", L""},
        {L"\"C:\\Program Files\\updater.exe\"  \tC:\\Korvane  ", L"C:\\Korvane  "},
        {L"\"C:\\a b\\updater.exe\"C:\\Korvane", L"C:\\Korvane"},
        {L"updater.exe \"C:\\Program Files\\Korvane\"", L"\"C:\\Program Files\\Korvane\""},
        {L"\"C:\\no closing quote C:\\Korvane", L""},
    };
    for (const auto& [line, tail] : cases)
        EXPECT_EQ(std::wstring(CommandTail(line)), tail) << line;
}

TEST(DoubleNullList, EndsEveryPathAndTheList) {
    EXPECT_EQ(DoubleNullList({L"C:\\a"}), L"C:\\a\0\0"s);
    EXPECT_EQ(DoubleNullList({L"C:\\a\\*", L"D:\\b"}), L"C:\\a\\*\0D:\\b\0\0"s);

    // Far beyond any fixed buffer, the path stays whole.
    const std::wstring longPath = L"\\\\?\\C:\\" + std::wstring(40000, L'x');
    const auto list = DoubleNullList({longPath});
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, longPath + L"\0\0"s);
}

TEST(DoubleNullList, RefusesWhatWouldEndTheListEarly) {
    EXPECT_FALSE(DoubleNullList({}));
    EXPECT_FALSE(DoubleNullList({L""}));
    EXPECT_FALSE(DoubleNullList({L"C:\\a", L""}));
    EXPECT_FALSE(DoubleNullList({L"C:\\a\0C:\\Windows"sv}));
}

} // namespace
