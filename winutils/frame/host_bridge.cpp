#include <windows.h>

#include "frame/host_bridge.h"

#include <string>

#include "common/proc_address.h"
#include "frame/app.h"

namespace {

template <typename Fn> Fn HostExport(const char* name) {
    return GetProcAs<Fn>(GetModuleHandleW(L"chrome.dll"), name);
}

}  // namespace

void CallViewHelp(const char* topic) {
    using ViewHelpFn = void(__cdecl*)(const char*);
    if (auto fn = HostExport<ViewHelpFn>("ViewHelp_Exported")) fn(topic);
}

void NotifyHostClearLangCache() {
    using ClearFn = void(__cdecl*)();
    if (auto fn = HostExport<ClearFn>("ClearLangCache")) fn();
}

void ShowHelpTopic(const wchar_t* topic) {
    std::wstring text;
    if (IS_INTRESOURCE(topic)) {
        const wchar_t* resource = nullptr;
        int length = LoadStringW(ThisModule(), static_cast<UINT>(reinterpret_cast<UINT_PTR>(topic)),
                                 reinterpret_cast<wchar_t*>(&resource), 0);
        if (length > 0) text.assign(resource, length);
    } else {
        text = topic;
    }
    int bytes = WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr,
                                    nullptr);
    if (bytes <= 0) return;
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), -1, ansi.data(), bytes, nullptr, nullptr);
    CallViewHelp(ansi.c_str());
}
