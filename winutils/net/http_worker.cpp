#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <climits>
#include <cwchar>
#include <new>
#include <vector>

#include "common/handles.h"
#include "common/long_path.h"
#include "lang/translate.h"
#include "net/file_pieces.h"
#include "net/http_date.h"
#include "net/http_target.h"
#include "net/internet_error.h"
#include "net/multipart.h"
#include "net/transfer_progress.h"
#include "net/transfer_shared.h"
#include "net/url_scheme.h"

namespace {

const DWORD kConnectTimeoutMs = 15000;
const size_t kSendPieceBytes = 1024;
const DWORD kReadPieceBytes = 2048;
// Range of the progress bar when the response announces no length.
const std::uint64_t kUnknownLength = 1000000000;

class CHttpWorker {
  public:
    CHttpWorker(const HttpRequestFields& request, TransferShared& shared)
        : request_(request), shared_(shared), progress_(shared.progress) {}

    bool Run();

  private:
    bool Exchange(const HttpTarget& target, HANDLE file);
    bool SendBody(HINTERNET request);
    bool ReceiveBody(HINTERNET request, HANDLE file);
    void AddHeader(HINTERNET request, const std::wstring& header);
    bool InternetFailure();
    void ShowMessage(const std::wstring& text);

    const HttpRequestFields& request_;
    TransferShared& shared_;
    CTransferProgress progress_;
    std::wstring boundary_ = kDefaultBoundary;
    std::string body_;
};

// WinINet announces body lengths as 32-bit numbers.
bool FitsDword(std::uint64_t size) {
    return size <= MAXDWORD;
}

bool WriteAll(HANDLE file, const char* bytes, DWORD size) {
    while (size > 0) {
        DWORD written = 0;
        if (!WriteFile(file, bytes, size, &written, nullptr) || written == 0) return false;
        bytes += written;
        size -= written;
    }
    return true;
}

bool QueryContentLength(HINTERNET request, std::uint64_t& length) {
    wchar_t text[32] = {};
    DWORD size = sizeof(text);
    if (!HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return false;
    if (text[0] < L'0' || text[0] > L'9') return false;
    wchar_t* end = nullptr;
    length = std::wcstoull(text, &end, 10);
    return end && *end == L'\0';
}

std::uint64_t QueryLastModified(HINTERNET request) {
    SYSTEMTIME time = {};
    DWORD size = sizeof(time);
    FILETIME fileTime = {};
    if (!HttpQueryInfoW(request, HTTP_QUERY_LAST_MODIFIED | HTTP_QUERY_FLAG_SYSTEMTIME, &time,
                        &size, nullptr) ||
        !SystemTimeToFileTime(&time, &fileTime))
        return 0;
    return (static_cast<std::uint64_t>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
}

bool SetLastWriteTime(const std::wstring& path, std::uint64_t time) {
    UniqueFile file(CreateFileW(ExtendedLengthPath(path).c_str(), FILE_WRITE_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    FILETIME fileTime = {static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
    return file && SetFileTime(file.get(), nullptr, nullptr, &fileTime);
}

bool CHttpWorker::Run() {
    HttpTarget target;
    std::wstring url = WithDefaultScheme(request_.url);
    if (!SplitHttpUrl(url, target)) {
        ShowMessage(TranslateText(L"Invalid URL:") + url);
        return false;
    }
    // Byte for byte, truncating whatever was there.
    UniqueFile file(CreateFileW(ExtendedLengthPath(request_.destination).c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file) return false;

    shared_.busy = true;
    bool ok = Exchange(target, file.get());
    shared_.busy = false;
    file.reset();
    std::uint64_t lastModified = shared_.lastModified;
    if (ok && lastModified != 0) SetLastWriteTime(request_.destination, lastModified);
    return ok;
}

bool CHttpWorker::Exchange(const HttpTarget& target, HANDLE file) {
    // Nothing these transfers fetch goes into the cache.
    UniqueInternet session(InternetOpenW(request_.agent.empty() ? nullptr : request_.agent.c_str(),
                                         INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr,
                                         INTERNET_FLAG_DONT_CACHE));
    if (!session) return InternetFailure();
    DWORD timeout = kConnectTimeoutMs;
    InternetSetOptionW(session.get(), INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, sizeof(timeout));

    DWORD secure = target.secure ? INTERNET_FLAG_SECURE : 0;
    UniqueInternet connection(
        InternetConnectW(session.get(), target.host.c_str(), target.port,
                         target.user.empty() ? nullptr : target.user.c_str(),
                         target.password.empty() ? nullptr : target.password.c_str(),
                         INTERNET_SERVICE_HTTP, INTERNET_FLAG_RELOAD | secure, 0));
    if (!connection) return InternetFailure();

    // A body goes with POST, also when only files are sent.
    bool sendsBody = !request_.form.empty() || !request_.files.empty();
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_DONT_CACHE |
                  secure | (IsCookieFreeServer(target.host) ? INTERNET_FLAG_NO_COOKIES : 0);
    UniqueInternet request(HttpOpenRequestW(connection.get(), sendsBody ? L"POST" : L"GET",
                                            target.object.c_str(), nullptr, nullptr, nullptr, flags,
                                            0));
    if (!request) return InternetFailure();

    std::vector<FilePiece> files;
    std::vector<FormField> form;
    if (sendsBody) {
        form = ParseFormText(request_.form);
        if (!LoadFilePieces(ParseFileList(request_.files), files)) return false;
        boundary_ = ChooseBoundary(form, files);
    }
    if (request_.ifModifiedSince != 0)
        AddHeader(request.get(),
                  L"If-Modified-Since: " + FormatHttpDate(request_.ifModifiedSince) + L"\r\n");
    if (sendsBody) {
        AddHeader(request.get(),
                  L"Content-Type: multipart/form-data; boundary=" + boundary_ + L"\r\n");
        if (!request_.referer.empty())
            AddHeader(request.get(), L"Referer: " + request_.referer + L"\r\n");
        try {
            body_ = BuildMultipartBody(form, files, boundary_);
        } catch (const std::bad_alloc&) {
            return false;
        }
        files.clear();
        if (!SendBody(request.get())) return false;
    } else if (!HttpSendRequestW(request.get(), nullptr, 0, nullptr, 0)) {
        return InternetFailure();
    }

    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!HttpQueryInfoW(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                        &size, nullptr))
        status = 0;
    shared_.status = static_cast<int>(status);
    // A connection closed before the status line is no (empty) success.
    if (status < 100) {
        SetLastError(ERROR_HTTP_INVALID_SERVER_RESPONSE);
        return InternetFailure();
    }
    if (status == HTTP_STATUS_NOT_MODIFIED || (status >= 400 && status <= 599)) return false;
    return ReceiveBody(request.get(), file);
}

bool CHttpWorker::SendBody(HINTERNET request) {
    if (!FitsDword(body_.size())) return false;
    INTERNET_BUFFERSW buffers = {};
    buffers.dwStructSize = sizeof(buffers);
    buffers.dwBufferTotal = static_cast<DWORD>(body_.size());
    if (!HttpSendRequestExW(request, &buffers, nullptr, 0, 0)) return InternetFailure();
    progress_.Reset(body_.size());
    for (size_t sent = 0; sent < body_.size();) {
        DWORD piece = static_cast<DWORD>(std::min(kSendPieceBytes, body_.size() - sent));
        DWORD written = 0;
        if (!InternetWriteFile(request, body_.data() + sent, piece, &written))
            return InternetFailure();
        if (written == 0) return false;
        sent += written;
        progress_.SetPosition(sent);
    }
    if (!HttpEndRequestW(request, nullptr, 0, 0)) return InternetFailure();
    std::string().swap(body_);
    return true;
}

bool CHttpWorker::ReceiveBody(HINTERNET request, HANDLE file) {
    std::uint64_t length = 0;
    bool hasLength = QueryContentLength(request, length);
    shared_.lastModified = QueryLastModified(request);
    progress_.Reset(hasLength ? length : kUnknownLength);

    char buffer[kReadPieceBytes];
    std::uint64_t count = 0;
    while (!shared_.cancelRequested) {
        DWORD got = 0;
        if (!InternetReadFile(request, buffer, sizeof(buffer), &got)) return InternetFailure();
        if (got == 0) break;
        if (!WriteAll(file, buffer, got)) return false;
        count += got;
        progress_.SetPosition(count);
    }
    if (shared_.cancelRequested) return false;
    return !hasLength || count == length;
}

void CHttpWorker::AddHeader(HINTERNET request, const std::wstring& header) {
    HttpAddRequestHeadersW(request, header.c_str(), static_cast<DWORD>(header.size()),
                           HTTP_ADDREQ_FLAG_ADD_IF_NEW);
}

bool CHttpWorker::InternetFailure() {
    DWORD error = GetLastError();
    // Translated with its line break: the language files hold the text that way.
    ShowMessage(TranslateText(L"Internet Exception:\n") + InternetErrorText(error));
    return false;
}

void CHttpWorker::ShowMessage(const std::wstring& text) {
    // After Cancel the user no longer waits for this transfer's news.
    if (!IsWindow(shared_.dialog) || shared_.cancelRequested) return;
    std::wstring caption = TranslateText(L"Korvane");
    MessageBoxW(shared_.dialog, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

bool RunHttpTransfer(const HttpRequestFields& request, TransferShared& shared) {
    try {
        return CHttpWorker(request, shared).Run();
    } catch (...) {
        // Nothing may leave the worker thread.
        return false;
    }
}
