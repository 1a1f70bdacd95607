#include <windows.h>

#include "net/http_transfer.h"

#include "common/folders.h"
#include "common/long_path.h"
#include "common/paths.h"
#include "net/http_download_dlg.h"

bool HttpTransfer(HWND owner, const std::wstring& url, const std::wstring& destination,
                  const std::wstring& title, const std::wstring& form, int flags,
                  std::uint64_t ifModifiedSince, int* status, const std::wstring& agent,
                  const std::wstring& files, const std::wstring& referer) {
    bool viaTempFile = (flags & kTransferViaTempFile) != 0;
    std::wstring target = destination;
    if (viaTempFile) {
        std::wstring folder = TempFolder() + L"Korvane";
        CreateFolderWithParents(folder);
        target = JoinPath(folder, L"~httpdl.tmp");
    }
    HttpRequestFields request;
    request.url = url;
    request.destination = target;
    request.title = title;
    request.form = form;
    request.files = files;
    request.agent = agent;
    request.referer = referer;
    request.ifModifiedSince = (flags & kTransferIfModifiedSince) ? ifModifiedSince : 0;

    CHttpDownloadDlg dialog(std::move(request));
    bool ok = dialog.DoModal(owner) == IDOK;
    if (status) *status = dialog.Status();
    if (viaTempFile) {
        if (ok && !CopyFileW(ExtendedLengthPath(target).c_str(),
                             ExtendedLengthPath(destination).c_str(), FALSE))
            ok = false;
        DeleteFileW(ExtendedLengthPath(target).c_str());
    }
    return ok;
}
