#include "update_run.h"

#include "command_line.h"

namespace {

constexpr unsigned kAttemptsPerSeries = 10;
constexpr unsigned kAttemptPauseMs = 1000;
constexpr unsigned kCopyRetryPauseMs = 5000;
constexpr unsigned kWarning = kBoxOk | kBoxIconWarning;
constexpr unsigned kQuestion = kBoxOkCancel | kBoxIconQuestion;

constexpr wchar_t kNotForDirectUse[] = L"This executable file is not intended for direct use by "
                                       L"end users. Use Korvane.exe to launch Korvane!";
constexpr wchar_t kTargetMissing[] = L"Target folder not exist:";
constexpr wchar_t kExecutableLocked[] =
    L"Failed to remove korvane.exe. Please kill all Korvane.exe processes from task manager and "
    L"click OK to retry. Click Cancel to stop trying.";
constexpr wchar_t kManifestsLeft[] = L"Failed to remove manifest files!";
constexpr wchar_t kCopyFailed[] = L"SHFileOperation failed:";
constexpr wchar_t kCopyRetry[] =
    L"Failed to copy new version files. Please kill all Korvane.exe processes from task manager "
    L"and click OK to retry. Click Cancel to stop trying.";
constexpr wchar_t kTempFolderLeft[] = L"Failed to remove temporary folder for update, please "
                                      L"remove the folder manually and then restart Korvane:\n";

// Any answer but OK stops, so a box that cannot be shown does not loop forever.
bool UserRetries(UpdatePlatform& platform, const wchar_t* question) {
    return platform.ShowMessage(question, kQuestion) == kAnswerOk;
}

// The running browser may hold its executable for a while after it was asked to quit.
bool RemoveOldExecutable(UpdatePlatform& platform, const std::wstring& executable) {
    if (!platform.Exists(executable)) return true;
    for (;;) {
        for (unsigned attempt = 0; attempt < kAttemptsPerSeries; ++attempt) {
            if (platform.DeleteOneFile(executable)) return true;
            platform.Pause(kAttemptPauseMs);
        }
        if (!UserRetries(platform, kExecutableLocked)) return false;
    }
}

bool CopyNewFiles(UpdatePlatform& platform, const std::wstring& source,
                  const std::wstring& target) {
    for (;;) {
        int code = platform.ShellFileOperation(FileOperation::Copy, source + L"\\*", target);
        if (code == 0) return true;
        platform.ShowMessage(kCopyFailed + HexCode(code), kWarning);
        if (!UserRetries(platform, kCopyRetry)) return false;
        platform.Pause(kCopyRetryPauseMs);
    }
}

} // namespace

std::wstring HexCode(int code) {
    constexpr wchar_t kDigits[] = L"0123456789abcdef";
    unsigned value = static_cast<unsigned>(code);
    std::wstring text;
    do {
        text.insert(text.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

void RunUpdate(UpdatePlatform& platform, std::wstring_view commandTail) {
    const std::wstring target = TrimWhiteSpace(commandTail);
    if (target.empty()) {
        platform.ShowMessage(kNotForDirectUse, kWarning);
        return;
    }
    const std::wstring source = platform.CurrentDirectory();
    if (!platform.Exists(target)) {
        platform.ShowMessage(kTargetMissing + target, kWarning);
        return;
    }
    // Without a source the copy pattern would name the root of the current drive.
    if (source.empty()) return;

    const std::wstring executable = target + L"\\korvane.exe";
    if (!RemoveOldExecutable(platform, executable)) return;

    if (platform.ShellFileOperation(FileOperation::Delete, target + L"\\*.manifest", L"") != 0)
        platform.ShowMessage(kManifestsLeft, kWarning);

    if (!CopyNewFiles(platform, source, target)) return;

    if (platform.ShellFileOperation(FileOperation::Delete, source, L"") != 0) {
        platform.ShowMessage(kTempFolderLeft + source, kWarning);
        return;
    }

    // From version 6 on the shell starts the browser, so it runs with the shell's rights rather
    // than inheriting this process's.
    if (platform.SystemMajorVersion() >= 6)
        platform.Launch(L"explorer.exe", L"\"" + executable + L"\"", target);
    else
        platform.Launch(executable, L"", target);
}
