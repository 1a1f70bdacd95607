// The update run's operations on a real system.
#pragma once

#include <windows.h>

#include "update_platform.h"

class Win32Platform : public UpdatePlatform {
  public:
    Win32Platform();

    std::wstring CurrentDirectory() override;
    bool Exists(const std::wstring& path) override;
    bool DeleteOneFile(const std::wstring& path) override;
    int ShellFileOperation(FileOperation operation, const std::wstring& from,
                           const std::wstring& to) override;
    int ShowMessage(const std::wstring& text, unsigned style) override;
    void Pause(unsigned milliseconds) override;
    unsigned SystemMajorVersion() override;
    void Launch(const std::wstring& file, const std::wstring& parameters,
                const std::wstring& folder) override;

  private:
    int RunShellOperation(FileOperation operation, const std::wstring& from,
                          const std::wstring& to);
    // A shell copy of the folder's contents, finished where the shell falls short.
    int CopyFolderContents(const std::wstring& source, const std::wstring& target);
    // The folder removed by the shell where it can, otherwise or additionally here.
    int DeleteFolder(const std::wstring& folder);

    HMODULE shell_; // loaded for the whole run, never freed
};
