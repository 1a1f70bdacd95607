// DLL loading once the search is restricted to the system folder.
#include "system_library.h"

#include <gtest/gtest.h>

#include <string>

#include "automation.h"
#include "install_tree.h"

namespace {

std::wstring ModulePath(HMODULE module) {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    return std::wstring(path, length);
}

std::wstring SystemFolder() {
    wchar_t path[MAX_PATH];
    UINT length = GetSystemDirectoryW(path, MAX_PATH);
    return std::wstring(path, length);
}

TEST(SystemLibrary, PlantedDllsInTheCurrentFolderAreNotLoaded) {
    // A copy of a system DLL under a name only the planted folder has.
    const std::wstring folder = updtest::MakeCleanDir(L"updater-planted");
    const std::wstring planted = folder + L"\\kvplanted.dll";
    ASSERT_TRUE(CopyFileW((SystemFolder() + L"\\version.dll").c_str(), planted.c_str(), FALSE));
    wchar_t before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));

    RestrictDllSearch();
    EXPECT_EQ(LoadLibraryW(L"kvplanted.dll"), nullptr);
    HMODULE shell = LoadSystemLibrary(L"shell32.dll");
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(CompareStringOrdinal(ModulePath(shell).c_str(), -1,
                                   (SystemFolder() + L"\\shell32.dll").c_str(), -1, TRUE),
              CSTR_EQUAL);
    EXPECT_NE(SystemProc<int(WINAPI*)(void*)>(shell, "SHFileOperationW"), nullptr);
    SetCurrentDirectoryW(before);
}

} // namespace
