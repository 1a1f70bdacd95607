// The local test server (started by the CTest fixture) and file helpers for the transfer tests.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace nettest {

// "http://127.0.0.1:<port>", empty when the fixture did not start the server.
std::wstring ServerBase();
// What the server recorded under its state folder (empty when absent); Forget removes it.
std::string ServerState(const std::wstring& name);
bool ServerStateExists(const std::wstring& name);
void ForgetServerState(const std::wstring& name);

std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);
std::uint64_t LastWriteTime(const std::wstring& path);
std::uint64_t Now();
// Where HttpTransfer downloads first with kTransferViaTempFile.
std::wstring TempDownloadPath();

// Answers the library's message boxes (caption "Korvane") with OK from a second thread and
// keeps their texts.
class CMessageBoxWatcher {
  public:
    CMessageBoxWatcher();
    ~CMessageBoxWatcher();
    std::vector<std::wstring> Texts();

  private:
    void Run();
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::wstring> texts_;
    std::thread thread_;
};

} // namespace nettest
