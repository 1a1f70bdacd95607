// Starting documents, folders, addresses and programs through the shell; process queries.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "common/command_line.h"
#include "common/menu_text.h"

// Kinds of target ClassifyTarget tells apart.
enum ServiceKind : int {
    kServiceFtp = 1,
    kServiceGopher = 2,
    kServiceHttp = 3,
    kServiceUnknown = 4096,
    kServiceFile = 4097,
    kServiceMailto = 4098,
    kServiceNews = 4101,
    kServiceNntp = 4102,
    kServiceTelnet = 4104,
    kServiceHttps = 4107,
};

// Exit code stored when the started process could not be waited for.
inline constexpr int kNoExitCode = -12345;

// What the shell is asked to start for a target: the e-mail address made a "mailto:" address, a
// command line that names no existing file split into program and parameters, and a file's
// own folder as working folder when none is given.
struct LaunchRequest {
    std::wstring file;
    std::wstring parameters;
    std::wstring folder;
};
LaunchRequest PrepareLaunch(std::wstring_view target, std::wstring_view folder);

// Opens target (document, folder, address, e-mail address or command line) through the shell,
// with the verb "runas" when elevated. With exitCode, waits for the process (this thread's
// windows keep answering) and stores its exit code. True when the shell started the target.
bool LaunchProcess(std::wstring_view target, std::wstring_view folder, bool elevated,
                   int* exitCode = nullptr);

// A bare host name ("www.example.com") gets "http://" in front.
int ClassifyTarget(std::wstring& target);

// 1 default token, 2 elevated, 3 limited.
int GetElevationType();

// Position of the first item whose text matches, ignoring accelerator marks and ASCII case;
// -1 when there is none.
int FindMenuItemByText(HMENU menu, std::wstring_view text);
