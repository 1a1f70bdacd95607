#include <windows.h>
#include <commdlg.h>

#include "exports.h"

#include <cstring>

#include "frame/global_settings.h"
#include "frame/settings_store.h"
#include "lang/lang_state.h"
#include "upload/upload_flow.h"

namespace {

// Nothing may be thrown into the host: an exception (out of memory) becomes the failure value.
template <typename Fn, typename Result> Result Guarded(Fn&& fn, Result failure) noexcept {
    try {
        return fn();
    } catch (...) {
        return failure;
    }
}

}  // namespace

extern "C" {

void WINAPI SetSettings(const wchar_t* text) {
    Guarded([&] { return (GlobalSettingsText() = text ? text : L"", 0); }, 0);
}

int WINAPI GetSettings(wchar_t* buffer) {
    const std::wstring& text = GlobalSettingsText();
    if (buffer) std::memcpy(buffer, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    return static_cast<int>(text.size());
}

BOOL WINAPI ShowUploadFileDialog(OPENFILENAMEW* request) {
    if (!request) return FALSE;
    BOOL result = Guarded(
        [&] {
            CSettingsStore store;
            store.Load(GlobalSettingsText());
            BOOL chosen = (request->Flags & OFN_EXPLORER) ? RunUploadFlow(request, &store)
                                                          : GetOpenFileNameW(request);
            GlobalSettingsText() = store.GetText();
            return chosen;
        },
        FALSE);
    SetForegroundWindow(request->hwndOwner);
    return result;
}

void WINAPI SetLangCache(const wchar_t* englishText, const wchar_t* currentText,
                         const char* currentLanguage) {
    Guarded([&] { return (SetLangCacheData(englishText, currentText, currentLanguage), 0); }, 0);
}

HWND WINAPI ShowLanguageFileManager(HWND, const wchar_t*) { return nullptr; }

}  // extern "C"
