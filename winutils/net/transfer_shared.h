// What the transfer worker and the progress dialog share: the request (read only), the cancel
// flag set by the dialog, and the results written by the worker.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

struct HttpRequestFields {
    std::wstring url;
    std::wstring destination; // receives the response body
    std::wstring title;       // dialog caption; the URL when empty
    std::wstring form;        // "name=value&..." with escaped values
    std::wstring files;       // "field=path;..."
    std::wstring agent;
    std::wstring referer;
    std::uint64_t ifModifiedSince = 0; // file time, sent when not 0
};

struct TransferShared {
    HWND dialog = nullptr;   // owner of the worker's messages while it exists
    HWND progress = nullptr; // the progress bar, driven with synchronous messages
    std::atomic<bool> cancelRequested{false};
    std::atomic<bool> busy{false};
    std::atomic<int> status{0};
    std::atomic<std::uint64_t> lastModified{0};
};

// The whole request on the calling (worker) thread: true when the body was written completely.
// Shows "Invalid URL:" and "Internet Exception:" messages itself.
bool RunHttpTransfer(const HttpRequestFields& request, TransferShared& shared);
