#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "automation.h"
#include "common/module_layout.h"
#include "test_files.h"

namespace {

struct LayoutCase {
    const wchar_t* moduleFile;
    const wchar_t* moduleFolder;
    const wchar_t* installFolder;
};

TEST(ModuleLayout, BuildFoldersStandForTheInstalledLayout) {
    const LayoutCase cases[] = {
        {L"C:\\Korvane\\KVRWinUtils.dll", L"C:\\Korvane\\", L"C:\\Korvane\\"},
        {L"C:\\src\\out\\Release\\KVRWinUtils.dll", L"C:\\src\\out\\", L"C:\\src\\Korvane\\"},
        {L"C:\\src\\out\\x64-DEBUG\\KVRWinUtils.dll", L"C:\\src\\out\\", L"C:\\src\\Korvane\\"},
        {L"C:\\src\\ReleaseNotes\\a.dll", L"C:\\src\\", L"C:\\Korvane\\"},
        {L"C:\\Release\\Sub\\a.dll", L"C:\\Release\\Sub\\", L"C:\\Release\\Sub\\"},
        // At the top there is nothing further up; the highest folder stands in.
        {L"C:\\Release\\a.dll", L"C:\\", L"C:\\Korvane\\"},
        {L"C:\\a.dll", L"C:\\", L"C:\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ModuleFolderFor(c.moduleFile), c.moduleFolder) << c.moduleFile;
        EXPECT_EQ(InstallFolderFor(c.moduleFile), c.installFolder) << c.moduleFile;
    }
}

using ProbeFolderFn = void (*)(int, wchar_t*, int);

std::wstring Probe(HMODULE module, int which) {
    auto probe = reinterpret_cast<ProbeFolderFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "ProbeFolder")));
    if (!probe) return L"<no probe>";
    wchar_t buffer[1024] = {};
    probe(which, buffer, 1024);
    return buffer;
}

// The folders as a library sees them, from a copy of a DLL that links the common code.
TEST(ModuleLayout, LibraryInAReleaseFolder) {
    std::wstring base = kvtest::MakeTempDir(L"common-layout");
    struct Case {
        std::wstring folder;
        std::wstring moduleFolder;
        std::wstring installFolder;
    };
    const Case cases[] = {
        {base + L"\\outer\\inner\\Release", base + L"\\outer\\inner\\",
         base + L"\\outer\\Korvane\\"},
        {base + L"\\plain", base + L"\\plain\\", base + L"\\plain\\"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(SHCreateDirectoryExW(nullptr, c.folder.c_str(), nullptr), ERROR_SUCCESS);
        std::wstring dll = c.folder + L"\\probe.dll";
        ASSERT_TRUE(
            CopyFileW(commontest::WindowsPathOf(KV_FOLDER_PROBE_UNIX).c_str(), dll.c_str(), FALSE));
        HMODULE module = LoadLibraryW(dll.c_str());
        ASSERT_NE(module, nullptr) << dll;
        EXPECT_EQ(Probe(module, 0), c.moduleFolder);
        EXPECT_EQ(Probe(module, 1), c.installFolder);
        EXPECT_EQ(Probe(module, 2), c.installFolder + L"language\\Deutsch.ini");
        FreeLibrary(module);
    }
}

} // namespace
