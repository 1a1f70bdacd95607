#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "automation.h"
#include "common/folders.h"
#include "common/paths.h"
#include "test_files.h"

namespace {

using commontest::IsFolder;
using commontest::WriteBytes;

std::wstring LongFolderUnder(const std::wstring& base, wchar_t separator) {
    std::wstring folder = base;
    int i = 0;
    while (folder.size() < 320)
        folder += separator + std::wstring(30, wchar_t(L'a' + i++));
    return folder;
}

bool ExistsLong(const std::wstring& path) {
    std::wstring full = path;
    for (wchar_t& c : full)
        if (c == L'/') c = L'\\';
    return GetFileAttributesW((L"\\\\?\\" + full).c_str()) != INVALID_FILE_ATTRIBUTES;
}

class FoldersTest : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = kvtest::MakeTempDir(L"common-folders"); }
    std::wstring dir_;
};

TEST_F(FoldersTest, CreateFolderWithParents) {
    struct Case {
        std::wstring path;
        std::wstring check;
    };
    std::wstring slashes = dir_;
    for (wchar_t& c : slashes)
        if (c == L'\\') c = L'/';
    const Case cases[] = {
        {dir_ + L"\\a\\b\\c", dir_ + L"\\a\\b\\c"},
        {dir_ + L"\\d\\e\\", dir_ + L"\\d\\e"},
        {slashes + L"/f/g/h", dir_ + L"\\f\\g\\h"},
        {dir_ + L"\\i/j\\k", dir_ + L"\\i\\j\\k"},
        {dir_ + L"\\a\\b\\c", dir_ + L"\\a\\b\\c"}, // exists already
        {dir_, dir_},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(CreateFolderWithParents(c.path)) << c.path;
        EXPECT_TRUE(IsFolder(c.check)) << c.check;
    }
}

TEST_F(FoldersTest, CreateFolderWithParentsRefusesAFileInTheWay) {
    ASSERT_TRUE(WriteBytes(dir_ + L"\\file", "x"));
    EXPECT_FALSE(CreateFolderWithParents(dir_ + L"\\file"));
    EXPECT_FALSE(CreateFolderWithParents(dir_ + L"\\file\\sub"));
    EXPECT_FALSE(CreateFolderWithParents(L""));
}

TEST_F(FoldersTest, CreateFolderWithParentsBeyondMaxPath) {
    for (wchar_t separator : {L'\\', L'/'}) {
        std::wstring folder =
            LongFolderUnder(dir_ + L"\\long" + std::to_wstring(int(separator)), separator);
        ASSERT_GT(folder.size(), size_t(MAX_PATH));
        EXPECT_TRUE(CreateFolderWithParents(folder)) << int(separator);
        EXPECT_TRUE(ExistsLong(folder)) << int(separator);
    }
}

TEST_F(FoldersTest, UniquePathTakesTheFirstFreeNumber) {
    struct Case {
        std::wstring folder;
        const wchar_t* prefix;
        const wchar_t* extension;
        std::wstring expected;
    };
    ASSERT_TRUE(CreateDirectoryW((dir_ + L"\\0").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((dir_ + L"\\1").c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(dir_ + L"\\img0.jpg", "x"));
    ASSERT_TRUE(WriteBytes(dir_ + L"\\img0", "x"));
    ASSERT_TRUE(WriteBytes(dir_ + L"\\img1", "x"));
    std::wstring slashes = dir_;
    for (wchar_t& c : slashes)
        if (c == L'\\') c = L'/';
    const Case cases[] = {
        {dir_, L"", L"", dir_ + L"\\2"},
        {dir_ + L"\\", L"", L"", dir_ + L"\\2"},
        {dir_, L"img", L"jpg", dir_ + L"\\img1.jpg"},
        {dir_, L"img", L"", dir_ + L"\\img2"},
        {slashes, L"img", L"jpg", slashes + L"/img1.jpg"},
        {dir_ + L"\\missing", L"", L"", dir_ + L"\\missing\\0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UniquePath(c.folder, c.prefix, c.extension), c.expected) << c.folder;
}

TEST_F(FoldersTest, UniquePathBeyondMaxPath) {
    std::wstring folder = LongFolderUnder(dir_, L'\\');
    ASSERT_TRUE(CreateFolderWithParents(folder));
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + folder + L"\\0").c_str(), nullptr));
    EXPECT_EQ(UniquePath(folder, L"", L""), folder + L"\\1");
}

TEST(SpecialFolders, UserDataFolderLiesInLocalAppData) {
    std::wstring local = SpecialFolder(CSIDL_LOCAL_APPDATA);
    ASSERT_FALSE(local.empty());
    EXPECT_TRUE(IsFolder(local));
    EXPECT_EQ(UserDataFolder(), RemoveTrailingSeparators(local) + L"\\Korvane\\User Data\\");
    EXPECT_EQ(SpecialFolder(0x7FFF), L"");
}

TEST(SpecialFolders, TempFolderIsUsableAndEndsWithSeparator) {
    std::wstring temp = TempFolder();
    EXPECT_TRUE(EndsWithSeparator(temp));
    EXPECT_TRUE(IsFolder(temp));
}

} // namespace
