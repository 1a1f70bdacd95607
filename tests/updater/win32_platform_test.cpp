// The real platform operations, on folders with paths beyond the classic length limit.
#include "win32_platform.h"

#include <gtest/gtest.h>

#include "automation.h"
#include "folder_tree.h"
#include "install_tree.h"

namespace {

using updtest::Tree;

const std::wstring kDeep = std::wstring(70, L'd') + L"\\" + std::wstring(70, L'e') + L"\\" +
                           std::wstring(70, L'p') + L"\\" + std::wstring(70, L'q');

Tree SourceTree() {
    return {{L"top.txt", "top"},
            {L"sub\\same.txt", "0123456789"},
            {L"sub\\stale.txt", "new content"},
            {kDeep + L"\\far.txt", "far"},
            {kDeep + L"\\" + std::wstring(80, L'f') + L".txt", "farther"}};
}

void MakeOld(const std::wstring& path) {
    HANDLE file = CreateFileW(updtest::Extended(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    SYSTEMTIME old = {};
    old.wYear = 2001;
    old.wMonth = 1;
    old.wDay = 1;
    FILETIME time;
    SystemTimeToFileTime(&old, &time);
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
}

std::wstring Current() {
    wchar_t buffer[32768];
    DWORD length = GetCurrentDirectoryW(32768, buffer);
    return std::wstring(buffer, length);
}

TEST(Win32Platform, LongPathsAreTestedAndDeleted) {
    const std::wstring root = updtest::MakeCleanDir(L"updater-ops");
    const std::wstring file = root + L"\\" + kDeep + L"\\far.txt";
    updtest::WriteTree(root, {{kDeep + L"\\far.txt", "far"}});
    ASSERT_GT(file.size(), 260u);

    Win32Platform platform;
    EXPECT_TRUE(platform.Exists(file));
    EXPECT_TRUE(platform.DeleteOneFile(file));
    EXPECT_FALSE(platform.Exists(file));
    EXPECT_FALSE(platform.DeleteOneFile(file));
}

TEST(Win32Platform, CopyOfAFolderBringsEveryFile) {
    const std::wstring root = updtest::MakeCleanDir(L"updater-copy");
    const std::wstring source = root + L"\\new", target = root + L"\\old";
    updtest::WriteTree(source, SourceTree());
    updtest::WriteTree(target, {{L"sub\\stale.txt", "old content"}, {L"kept.txt", "kept"}});

    Win32Platform platform;
    EXPECT_EQ(platform.ShellFileOperation(FileOperation::Copy, source + L"\\*", target), 0);
    Tree expected = SourceTree();
    expected[L"kept.txt"] = "kept";
    EXPECT_EQ(updtest::ReadTree(target), expected);
}

TEST(Win32Platform, MissingFilesAreCopiedOrTheFailureReported) {
    const std::wstring root = updtest::MakeCleanDir(L"updater-missing");
    const std::wstring source = root + L"\\new", target = root + L"\\old";
    updtest::WriteTree(source, SourceTree());
    // Same size as the new file but older: it is replaced all the same.
    updtest::WriteTree(target, {{L"sub\\stale.txt", "old content"}});
    MakeOld(target + L"\\sub\\stale.txt");

    EXPECT_EQ(CopyMissingFiles(source, target), 0u);
    EXPECT_EQ(updtest::ReadTree(target), SourceTree());

    // A folder where the new version has a file cannot be replaced: that is an error, not a skip.
    const std::wstring blocked = root + L"\\blocked";
    updtest::WriteTree(blocked, {{L"top.txt\\inside.txt", "a folder named like a file"}});
    EXPECT_NE(CopyMissingFiles(source, blocked), 0u);
}

TEST(Win32Platform, FolderDeletionStepsOutOfTheCurrentDirectory) {
    const std::wstring root = updtest::MakeCleanDir(L"updater-delete");
    const std::wstring folder = root + L"\\KorvaneUpdate";
    updtest::WriteTree(folder, SourceTree());
    const std::wstring before = Current();
    ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));

    Win32Platform platform;
    EXPECT_EQ(platform.CurrentDirectory(), folder);
    EXPECT_EQ(platform.ShellFileOperation(FileOperation::Delete, folder, L""), 0);
    EXPECT_FALSE(updtest::PathExists(folder));
    EXPECT_EQ(Current(), root);
    SetCurrentDirectoryW(before.c_str());
}

// Deep paths once sent the shell's deletion into the current directory instead.
TEST(Win32Platform, DeepDeletionsStayInTheirFolder) {
    const std::wstring root = updtest::MakeCleanDir(L"updater-bystander");
    const std::wstring bystander = root + L"\\bystander", install = root + L"\\install";
    const Tree bystanderFiles = {{L"precious.txt", "keep"}, {L"sub\\also.txt", "keep too"}};
    updtest::WriteTree(bystander, bystanderFiles);
    updtest::WriteTree(install, {{L"korvane.manifest", "m"},
                                 {L"deep.manifest\\" + kDeep + L"\\x.txt", "a folder that matches"},
                                 {L"chrome.dll", "stays"}});
    const std::wstring update = root + L"\\update";
    updtest::WriteTree(update, SourceTree());
    const std::wstring before = Current();
    ASSERT_TRUE(SetCurrentDirectoryW(bystander.c_str()));

    Win32Platform platform;
    EXPECT_EQ(platform.ShellFileOperation(FileOperation::Delete, install + L"\\*.manifest", L""),
              0);
    EXPECT_EQ(updtest::ReadTree(install), (Tree{{L"chrome.dll", "stays"}}));
    EXPECT_EQ(platform.ShellFileOperation(FileOperation::Delete, update, L""), 0);
    EXPECT_FALSE(updtest::PathExists(update));
    EXPECT_EQ(updtest::ReadTree(bystander), bystanderFiles);
    SetCurrentDirectoryW(before.c_str());
}

} // namespace
