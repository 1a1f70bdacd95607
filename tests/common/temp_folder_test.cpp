#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "automation.h"
#include "test_files.h"

namespace {

struct ChildResult {
    DWORD exitCode = 99;
    std::wstring message; // text of the message box the child showed, if any
    std::wstring caption;
    std::wstring printed; // what the child wrote after the call returned
};

std::wstring ReadWide(const std::wstring& path) {
    std::string bytes = commontest::ReadBytes(path);
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
}

// One argument for CommandLineToArgvW: trailing backslashes are doubled before the quote.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"" + argument;
    for (size_t i = argument.size(); i > 0 && argument[i - 1] == L'\\'; --i)
        quoted += L'\\';
    return quoted + L"\"";
}

// Runs the probe; answers its message box (if one comes) with OK.
ChildResult RunProbe(const std::wstring& dir, const std::wstring& arguments, bool expectBox) {
    std::wstring out = dir + L"\\result.txt";
    DeleteFileW(out.c_str());
    std::wstring exe = commontest::WindowsPathOf(KV_TEMP_FOLDER_PROBE_UNIX);
    std::wstring command = Quoted(exe) + L" " + Quoted(out) + L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    ChildResult result;
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start the probe";
        return result;
    }
    if (expectBox) {
        HWND box = kvtest::WaitForWindow(nullptr, L"#32770", process.dwProcessId, 20000);
        EXPECT_NE(box, nullptr) << "no message box";
        if (box) {
            result.caption = kvtest::GetText(box);
            result.message = kvtest::GetText(GetDlgItem(box, 0xFFFF));
            kvtest::ClickButton(box, IDOK);
        }
    }
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the probe did not end";
        TerminateProcess(process.hProcess, 98);
        WaitForSingleObject(process.hProcess, 5000);
    }
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    result.printed = ReadWide(out);
    return result;
}

class TempFolderTest : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = kvtest::MakeTempDir(L"common-temp"); }
    std::wstring dir_;
};

TEST_F(TempFolderTest, UndefinedFolderEndsTheProcessAfterItsMessage) {
    ChildResult result = RunProbe(dir_, L"empty", true);
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.caption, L"temp_folder_probe");
    EXPECT_EQ(result.message, L"Temporary folder not defined in your system environment!");
    EXPECT_EQ(result.printed, L"");
}

TEST_F(TempFolderTest, UncreatableFolderEndsTheProcessAfterItsMessage) {
    const std::wstring cases[] = {
        dir_ + L"\\missing\\two\\levels", // only one level is created
        dir_ + L"\\plainfile",            // a file where the folder should be
    };
    ASSERT_TRUE(commontest::WriteBytes(cases[1], "x"));
    for (const auto& folder : cases) {
        ChildResult result = RunProbe(dir_, L"tmp " + Quoted(folder + L"\\"), true);
        EXPECT_EQ(result.exitCode, 0u) << folder;
        EXPECT_EQ(result.message, L"Unable to access temporary folder: " + folder);
        EXPECT_EQ(result.printed, L"") << folder;
    }
}

TEST_F(TempFolderTest, UsableFolderIsReturnedWithoutAMessage) {
    const std::wstring existing = dir_ + L"\\existing";
    ASSERT_TRUE(CreateDirectoryW(existing.c_str(), nullptr));
    struct Case {
        std::wstring tmp;
        std::wstring expected;
    };
    const Case cases[] = {
        {existing, existing + L"\\"},
        {existing + L"\\", existing + L"\\"},
        {dir_ + L"\\created", dir_ + L"\\created\\"}, // one missing level is created
    };
    for (const auto& c : cases) {
        ChildResult result = RunProbe(dir_, L"tmp " + Quoted(c.tmp), false);
        EXPECT_EQ(result.exitCode, 3u) << c.tmp;
        EXPECT_EQ(result.printed, c.expected) << c.tmp;
    }
    EXPECT_TRUE(commontest::IsFolder(dir_ + L"\\created"));
}

} // namespace
