// One HTTP or HTTPS request with a modal progress dialog: a download (GET), or a form with files
// (multipart POST). The response body is written to a file.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// Flags of HttpTransfer.
inline constexpr int kTransferViaTempFile = 1;     // write to a temporary file, copy on success
inline constexpr int kTransferIfModifiedSince = 4; // send ifModifiedSince

// True when the whole body arrived (and, with kTransferViaTempFile, was copied to destination).
// form: "name=value&..." with values escaped by EscapeText; files: "field=path;...";
// ifModifiedSince: a file time; status receives the HTTP status code (0 when none arrived).
// Status 304 and 400-599 are failures; with kTransferViaTempFile destination is then untouched.
// When the response has Last-Modified, the written file gets it as its last-write time.
bool HttpTransfer(HWND owner, const std::wstring& url, const std::wstring& destination,
                  const std::wstring& title, const std::wstring& form, int flags,
                  std::uint64_t ifModifiedSince, int* status, const std::wstring& agent,
                  const std::wstring& files, const std::wstring& referer);
