#include <windows.h>

#include "common/proc_address.h"
#include "frame/frame_res.h"
#include "frame/host_bridge.h"

#include <gtest/gtest.h>

#include "automation.h"

namespace {

using RecordedFn = int (*)(char*, int);

std::string Recorded(HMODULE stub) {
    auto recorded = GetProcAs<RecordedFn>(stub, "StubRecordedCalls");
    char buffer[1024] = {};
    recorded(buffer, sizeof buffer);
    return buffer;
}

void CallEverything() {
    ShowHelpTopic(L"photo-processing");
    ShowHelpTopic(MAKEINTRESOURCEW(IDS_HELP_LANGMAN));
    CallViewHelp("photo-processing");
    NotifyHostClearLangCache();
}

TEST(HostBridge, SkipsCallsWhenTheHostModuleIsMissing) {
    ASSERT_EQ(GetModuleHandleW(L"chrome.dll"), nullptr);
    CallEverything();  // nothing to call, nothing to crash
}

TEST(HostBridge, SkipsCallsWhenTheExportsAreMissing) {
    HMODULE bare = LoadLibraryW(kvtest::Wide(KV_BARE_CHROME_UNIX).insert(0, L"Z:").c_str());
    ASSERT_NE(bare, nullptr);
    ASSERT_EQ(GetModuleHandleW(L"chrome.dll"), bare);
    CallEverything();
    FreeLibrary(bare);
}

TEST(HostBridge, CallsTheHostExportsAtEachCall) {
    HMODULE stub = LoadLibraryW((kvtest::RuntimeDir() + L"\\chrome.dll").c_str());
    ASSERT_NE(stub, nullptr);
    CallEverything();
    EXPECT_EQ(Recorded(stub),
              "ViewHelp_Exported photo-processing\nViewHelp_Exported langman\n"
              "ViewHelp_Exported photo-processing\nClearLangCache\n");
    FreeLibrary(stub);
    // Looked up afresh: after the module is gone the calls are skipped again.
    CallEverything();
}

}  // namespace
