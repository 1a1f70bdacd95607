// The platform operations the update run needs, so the run can be driven by a recording fake.
#pragma once

#include <string>

// Message box styles and answers, with the platform's values.
inline constexpr unsigned kBoxOk = 0x00;
inline constexpr unsigned kBoxOkCancel = 0x01;
inline constexpr unsigned kBoxIconQuestion = 0x20;
inline constexpr unsigned kBoxIconWarning = 0x30;
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;

// Shell file operations, with the platform's function codes.
enum class FileOperation { Copy = 2, Delete = 3 };

class UpdatePlatform {
  public:
    virtual ~UpdatePlatform() = default;

    // The folder the process was started in.
    virtual std::wstring CurrentDirectory() = 0;
    // True when a file or folder matches the path.
    virtual bool Exists(const std::wstring& path) = 0;
    virtual bool DeleteOneFile(const std::wstring& path) = 0;
    // A silent shell copy or delete of `from` (into `to` for a copy); 0 on success, otherwise
    // the operation's error code.
    virtual int ShellFileOperation(FileOperation operation, const std::wstring& from,
                                   const std::wstring& to) = 0;
    // Shows an ownerless message box with the updater's caption; returns the answer.
    virtual int ShowMessage(const std::wstring& text, unsigned style) = 0;
    virtual void Pause(unsigned milliseconds) = 0;
    virtual unsigned SystemMajorVersion() = 0;
    // Starts a program without waiting for it; the result is not needed.
    virtual void Launch(const std::wstring& file, const std::wstring& parameters,
                        const std::wstring& folder) = 0;
};
