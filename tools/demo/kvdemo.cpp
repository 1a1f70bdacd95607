// Drives kvhost.exe the way a user would and keeps what it shows under out/demo/.
#include <windows.h>
#include <dlgs.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "automation.h"

namespace {

std::wstring g_out;

void Say(const std::wstring& line) {
    std::string bytes = kvtest::Utf8(line + L"\n");
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

void WriteSamplePhotos(const std::wstring& folder) {
    std::filesystem::create_directories(folder);
    for (const wchar_t* name : {L"beach.jpg", L"garden.jpg", L"notes.txt"}) {
        if (FILE* f = _wfopen((folder + L"\\" + name).c_str(), L"wb")) {
            std::fputs("sample", f);
            std::fclose(f);
        }
    }
}

// Starts kvhost with its output going to a file; returns its process.
PROCESS_INFORMATION StartHost(const std::wstring& args, const std::wstring& outputFile) {
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE output = CreateFileW(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    std::wstring command = L"\"" + kvtest::RuntimeDir() + L"\\kvhost.exe\" " + args;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        kvtest::RuntimeDir().c_str(), &startup, &process))
        Say(L"could not start kvhost.exe");
    CloseHandle(output);
    return process;
}

// One upload request: the dialog is shown, a file chosen and Open pressed.
bool RunUpload(const std::wstring& name, const std::wstring& args, const std::wstring& photos) {
    std::wstring outputFile = g_out + L"\\" + name + L"-kvhost.txt";
    PROCESS_INFORMATION host = StartHost(args + L" --dir \"" + photos + L"\"", outputFile);
    if (!host.hProcess) return false;
    HWND dialog = kvtest::WaitForWindow(nullptr, L"#32770", host.dwProcessId, 20000);
    bool ok = dialog != nullptr;
    if (ok) {
        kvtest::SaveWindowPng(dialog, g_out + L"\\" + name + L"-dialog.png");
        HWND edit = kvtest::FindControl(dialog, cmb13);
        if (HWND inner = edit ? kvtest::FindChildByClass(edit, L"Edit") : nullptr) edit = inner;
        if (!edit) edit = kvtest::FindControl(dialog, edt1);
        kvtest::SetText(edit, L"beach.jpg");
        kvtest::SaveWindowPng(dialog, g_out + L"\\" + name + L"-file-chosen.png");
        kvtest::ClickButton(dialog, IDOK);
    } else {
        Say(L"no dialog appeared");
        TerminateProcess(host.hProcess, 1);
    }
    WaitForSingleObject(host.hProcess, 20000);
    CloseHandle(host.hThread);
    CloseHandle(host.hProcess);
    Say(L"--- " + name + L": kvhost printed (" + outputFile + L")");
    if (FILE* f = _wfopen(outputFile.c_str(), L"rb")) {
        char chunk[4096];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) std::fwrite(chunk, 1, n, stdout);
        std::fclose(f);
    }
    return ok;
}

}  // namespace

int wmain() {
    g_out = kvtest::OutDir() + L"\\demo";
    std::filesystem::create_directories(g_out);
    std::wstring photos = g_out + L"\\photos";
    WriteSamplePhotos(photos);

    bool ok = RunUpload(L"upload", L"--url https://photos.example.com/upload", photos);
    std::wstring german = kvtest::RuntimeDir() + L"\\language\\German (Germany).ini";
    if (GetFileAttributesW(german.c_str()) != INVALID_FILE_ATTRIBUTES)
        ok = RunUpload(L"upload-german", L"--lang \"German (Germany)\" --url https://example.de/",
                       photos) && ok;
    Say(ok ? L"demo finished; screenshots in out/demo" : L"demo failed");
    return ok ? 0 : 1;
}
