// Test stand-in for the browser's host module: records every call the library makes into it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string& Calls() {
    static std::string calls;
    return calls;
}

void Record(const std::string& line) {
    Calls() += line + "\n";
    // Programs that cannot read this module's memory (the demo) read the log file instead.
    if (const char* log = std::getenv("KV_HOST_LOG")) {
        if (FILE* f = std::fopen(log, "ab")) {
            std::fprintf(f, "%s\n", line.c_str());
            std::fclose(f);
        }
    }
}

}  // namespace

extern "C" {

__declspec(dllexport) void ViewHelp_Exported(const char* topic) {
    Record(std::string("ViewHelp_Exported ") + (topic ? topic : "(null)"));
}

__declspec(dllexport) void ClearLangCache() { Record("ClearLangCache"); }

// Copies the call log ("name argument" lines) into buffer; returns its full length.
__declspec(dllexport) int StubRecordedCalls(char* buffer, int size) {
    const std::string& calls = Calls();
    if (buffer && size > 0) {
        size_t n = std::min<size_t>(calls.size(), static_cast<size_t>(size - 1));
        std::memcpy(buffer, calls.data(), n);
        buffer[n] = '\0';
    }
    return static_cast<int>(calls.size());
}

__declspec(dllexport) void StubResetCalls() { Calls().clear(); }
}
