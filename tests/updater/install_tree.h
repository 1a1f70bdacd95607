// Folder trees and updater runs for the installation tests.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace updtest {

// Relative path ("sub\\file.txt") to file content.
using Tree = std::map<std::wstring, std::string>;

// A fresh, empty folder for one test (kvtest::MakeTempDir, emptied also of paths past 260
// characters that a previous run with the same process id left behind).
std::wstring MakeCleanDir(const std::wstring& name);

// Writes the files below root, creating folders; paths of any length.
void WriteTree(const std::wstring& root, const Tree& tree);
// Every file below root (an absent root reads as empty).
Tree ReadTree(const std::wstring& root);
// What differs between two trees: "missing", "extra" or "changed" and the path.
std::vector<std::wstring> Differences(const Tree& actual, const Tree& expected);
bool PathExists(const std::wstring& path);
std::string ReadBytes(const std::wstring& path);

// The \\?\ form of an absolute drive path, for any length.
std::wstring Extended(const std::wstring& path);

std::wstring UpdaterPath();
std::wstring StandinPath();

// updater.exe started as the browser starts it: the command line after the program name and
// the current directory.
class UpdaterRun {
  public:
    UpdaterRun(const std::wstring& commandTail, const std::wstring& currentDirectory);
    ~UpdaterRun(); // ends the process if it still runs
    UpdaterRun(const UpdaterRun&) = delete;
    UpdaterRun& operator=(const UpdaterRun&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    DWORD Id() const { return process_.dwProcessId; }
    // The exit status, or nothing if it still runs after the time.
    std::optional<DWORD> Wait(DWORD timeoutMs);

  private:
    PROCESS_INFORMATION process_ = {};
};

// The updater's message box, and its text.
HWND WaitForBox(DWORD processId, DWORD timeoutMs);
std::wstring BoxText(HWND box);

// Makes Wine report another system version to programs named updater.exe while it lives.
class WineVersionOverride {
  public:
    explicit WineVersionOverride(const wchar_t* version);
    ~WineVersionOverride();
    WineVersionOverride(const WineVersionOverride&) = delete;
    WineVersionOverride& operator=(const WineVersionOverride&) = delete;
};

} // namespace updtest
