// Whole installations: updater.exe started as the browser starts it, over real folders.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "automation.h"
#include "install_tree.h"

namespace {

using updtest::Tree;

const wchar_t kMarker[] = L"standin-started.txt";
const wchar_t kLockedText[] =
    L"Failed to remove korvane.exe. Please kill all Korvane.exe processes from task manager and "
    L"click OK to retry. Click Cancel to stop trying.";
const wchar_t kCopyRetryText[] =
    L"Failed to copy new version files. Please kill all Korvane.exe processes from task manager "
    L"and click OK to retry. Click Cancel to stop trying.";

// Folder names that take the deepest new file well past 260 characters.
const std::wstring kLongFolders = std::wstring(60, L'l') + L"\\" + std::wstring(60, L'o') + L"\\" +
                                  std::wstring(60, L'n') + L"\\" + std::wstring(60, L'g');

Tree OldVersion() {
    return {
        {L"korvane.exe", "old browser"},
        {L"korvane.manifest", "old manifest"},
        {L"chrome.manifest", "old chrome manifest"},
        {L"chrome.dll", "old chrome"},
        {L"user notes.txt", "not part of any version"},
        {L"sub\\a.txt", "old a"},
        {L"sub\\old-only.txt", "only in the old version"},
        {L"sub\\nested.manifest", "below the top folder"},
    };
}

Tree NewVersion(bool deep) {
    Tree tree = {
        {L"korvane.exe", updtest::ReadBytes(updtest::StandinPath())},
        {L"chrome.dll", "new chrome"},
        {L"new.manifest", "the new version's manifest"},
        {L"sub\\a.txt", "new a, longer than the old one"},
        {L"sub\\deep\\b.bin", std::string("\0\1\2\xff", 4)},
        {L"sub\\new-only.txt", "only in the new version"},
    };
    if (deep) tree[kLongFolders + L"\\far.txt"] = "deep below";
    return tree;
}

// The new version over the old one, the old executable and top-level manifests removed.
Tree Installed(const Tree& newVersion) {
    Tree tree = OldVersion();
    tree.erase(L"korvane.exe");
    tree.erase(L"korvane.manifest");
    tree.erase(L"chrome.manifest");
    for (const auto& [path, content] : newVersion)
        tree[path] = content;
    return tree;
}

struct Layout {
    std::wstring install;
    std::wstring update;
    Tree newVersion;
};

Layout Prepare(const wchar_t* name, bool deep = false) {
    const std::wstring base = updtest::MakeCleanDir(name);
    Layout layout{base + L"\\Korvane", base + L"\\KorvaneUpdate", NewVersion(deep)};
    updtest::WriteTree(layout.install, OldVersion());
    updtest::WriteTree(layout.update, layout.newVersion);
    return layout;
}

// Holds a file open without delete sharing, as a running program holds its executable.
class FileHolder {
  public:
    explicit FileHolder(const std::wstring& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr)) {}
    ~FileHolder() { Release(); }
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;
    bool Holds() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Holds()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

  private:
    HANDLE handle_;
};

std::wstring OpenBoxText(DWORD processId) {
    HWND box = kvtest::FindTopWindow(L"Korvane Updater", L"#32770", processId);
    return box ? updtest::BoxText(box) : L"(none)";
}

// The run ended by itself with status 0 and the stand-in browser was started.
void ExpectInstalled(updtest::UpdaterRun& run, const Layout& layout) {
    std::optional<DWORD> status = run.Wait(60000);
    ASSERT_TRUE(status) << "still running; box: " << OpenBoxText(run.Id());
    EXPECT_EQ(*status, 0u);
    const std::wstring marker = layout.install + L"\\" + kMarker;
    EXPECT_TRUE(kvtest::WaitUntil([&] { return updtest::PathExists(marker); }, 20000))
        << "the browser was not started";
    Tree after = updtest::ReadTree(layout.install);
    after.erase(kMarker);
    EXPECT_EQ(updtest::Differences(after, Installed(layout.newVersion)),
              std::vector<std::wstring>{});
    EXPECT_FALSE(updtest::PathExists(layout.update)) << "the temporary folder is left";
}

TEST(Install, ReplacesTheOldVersionAndStartsTheBrowser) {
    struct Case {
        const char* name;
        const wchar_t* wineVersion; // null: Wine's own, a version from 6 on
        bool deep;                  // a new file's path passes 260 characters
    };
    const Case cases[] = {{"through the shell", nullptr, false},
                          {"directly on version 5", L"winxp64", false},
                          {"with deep paths", nullptr, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Layout layout = Prepare(L"updater-install", c.deep);
        std::optional<updtest::WineVersionOverride> version;
        if (c.wineVersion) version.emplace(c.wineVersion);
        updtest::UpdaterRun run(layout.install, layout.update);
        ASSERT_TRUE(run.Started());
        ExpectInstalled(run, layout);
        if (c.wineVersion) {
            // Started directly, the browser works in the installation folder.
            const std::string marker = updtest::ReadBytes(layout.install + L"\\" + kMarker);
            std::wstring text(reinterpret_cast<const wchar_t*>(marker.data()),
                              marker.size() / sizeof(wchar_t));
            EXPECT_EQ(text.substr(text.find(L'\n') + 1), layout.install);
        }
    }
}

TEST(Install, LockedExecutableWaitsForTheUser) {
    const Layout layout = Prepare(L"updater-locked");
    FileHolder holder(layout.install + L"\\korvane.exe");
    ASSERT_TRUE(holder.Holds());
    updtest::UpdaterRun run(layout.install, layout.update);
    ASSERT_TRUE(run.Started());

    // Ten attempts a second apart, then the question; nothing is touched meanwhile.
    HWND box = updtest::WaitForBox(run.Id(), 40000);
    ASSERT_TRUE(box);
    EXPECT_EQ(updtest::BoxText(box), kLockedText);
    EXPECT_EQ(updtest::Differences(updtest::ReadTree(layout.install), OldVersion()),
              std::vector<std::wstring>{});
    EXPECT_EQ(updtest::Differences(updtest::ReadTree(layout.update), layout.newVersion),
              std::vector<std::wstring>{});

    holder.Release();
    kvtest::ClickButton(box, IDOK);
    ExpectInstalled(run, layout);
}

// A file the old version still holds cannot be replaced: the copy reports it and is retried.
TEST(Install, LockedFileFailsTheCopyUntilReleased) {
    const Layout layout = Prepare(L"updater-copy-locked");
    FileHolder holder(layout.install + L"\\chrome.dll");
    ASSERT_TRUE(holder.Holds());
    updtest::UpdaterRun run(layout.install, layout.update);
    ASSERT_TRUE(run.Started());

    HWND failed = updtest::WaitForBox(run.Id(), 30000);
    ASSERT_TRUE(failed);
    const std::wstring text = updtest::BoxText(failed);
    const std::wstring prefix = L"SHFileOperation failed:";
    ASSERT_EQ(text.substr(0, prefix.size()), prefix);
    const std::wstring code = text.substr(prefix.size());
    EXPECT_FALSE(code.empty());
    EXPECT_EQ(code.find_first_not_of(L"0123456789abcdef"), std::wstring::npos) << code;
    kvtest::ClickButton(failed, IDOK);

    ASSERT_TRUE(kvtest::WaitUntil([&] { return !IsWindow(failed); }));
    HWND question = updtest::WaitForBox(run.Id(), 10000);
    ASSERT_TRUE(question);
    EXPECT_EQ(updtest::BoxText(question), kCopyRetryText);
    // The old executable and manifests are gone, the new files still wait in their folder.
    Tree installed = updtest::ReadTree(layout.install);
    EXPECT_NE(installed[L"korvane.exe"], "old browser");
    EXPECT_EQ(installed.count(L"korvane.manifest"), 0u);
    EXPECT_EQ(installed.at(L"chrome.dll"), "old chrome");
    EXPECT_EQ(updtest::Differences(updtest::ReadTree(layout.update), layout.newVersion),
              std::vector<std::wstring>{});

    holder.Release();
    kvtest::ClickButton(question, IDOK);
    ExpectInstalled(run, layout);
}

TEST(Install, UnusableCommandLinesOnlyShowTheirBox) {
    const Layout layout = Prepare(L"updater-refused");
    const std::wstring quoted = L"\"" + layout.install + L"\"";
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"  \t ", L"This executable file is not intended for direct use by end users. Use "
                   L"Korvane.exe to launch Korvane!"},
        {quoted, L"Target folder not exist:" + quoted},
    };
    for (const auto& [tail, text] : cases) {
        updtest::UpdaterRun run(tail, layout.update);
        ASSERT_TRUE(run.Started());
        HWND box = updtest::WaitForBox(run.Id(), 20000);
        ASSERT_TRUE(box);
        EXPECT_EQ(updtest::BoxText(box), text);
        kvtest::ClickButton(box, IDOK);
        std::optional<DWORD> status = run.Wait(20000);
        ASSERT_TRUE(status);
        EXPECT_EQ(*status, 0u);
        EXPECT_EQ(updtest::Differences(updtest::ReadTree(layout.install), OldVersion()),
                  std::vector<std::wstring>{});
        EXPECT_EQ(updtest::Differences(updtest::ReadTree(layout.update), layout.newVersion),
                  std::vector<std::wstring>{});
    }
}

} // namespace
