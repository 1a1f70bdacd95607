#include "net_test_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "automation.h"
#include "common/folders.h"

namespace nettest {
namespace {

std::wstring ServerDir() {
    std::wstring path = L"Z:" + kvtest::Wide(KV_NET_SERVER_DIR_UNIX);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

std::wstring StatePath(const std::wstring& name) {
    return ServerDir() + L"\\state\\" + name;
}

std::uint64_t ToUint64(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

std::wstring MessageText(HWND box) {
    if (HWND text = GetDlgItem(box, 0xFFFF)) return kvtest::GetText(text);
    return kvtest::GetText(kvtest::FindChildByClass(box, L"Static"));
}

} // namespace

std::wstring ServerBase() {
    std::string port = ReadBytes(ServerDir() + L"\\server.port");
    if (port.empty()) return {};
    return L"http://127.0.0.1:" + kvtest::Wide(port);
}

std::string ServerState(const std::wstring& name) {
    return ReadBytes(StatePath(name));
}
bool ServerStateExists(const std::wstring& name) {
    return FileExists(StatePath(name));
}
void ForgetServerState(const std::wstring& name) {
    DeleteFileW(StatePath(name).c_str());
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::uint64_t LastWriteTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return ToUint64(data.ftLastWriteTime);
}

std::uint64_t Now() {
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    return ToUint64(now);
}

std::wstring TempDownloadPath() {
    return TempFolder() + L"Korvane\\~httpdl.tmp";
}

CMessageBoxWatcher::CMessageBoxWatcher() : thread_([this] { Run(); }) {}

CMessageBoxWatcher::~CMessageBoxWatcher() {
    stop_ = true;
    thread_.join();
}

std::vector<std::wstring> CMessageBoxWatcher::Texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

void CMessageBoxWatcher::Run() {
    while (!stop_) {
        HWND box = kvtest::FindTopWindow(L"Korvane", L"#32770", GetCurrentProcessId());
        if (box) {
            std::wstring text = MessageText(box);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                texts_.push_back(text);
            }
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            for (int i = 0; i < 150 && IsWindow(box); ++i)
                Sleep(20);
        }
        Sleep(20);
    }
}

} // namespace nettest
