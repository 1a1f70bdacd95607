#include <windows.h>
#include <commdlg.h>

#include "exports.h"

#include <cstring>

#include "frame/global_settings.h"
#include "frame/settings_store.h"
#include "lang/lang_state.h"
#include "upload/upload_flow.h"

extern "C" {

void WINAPI SetSettings(const wchar_t* text) { GlobalSettingsText() = text ? text : L""; }

int WINAPI GetSettings(wchar_t* buffer) {
    const std::wstring& text = GlobalSettingsText();
    if (buffer) std::memcpy(buffer, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    return static_cast<int>(text.size());
}

BOOL WINAPI ShowUploadFileDialog(OPENFILENAMEW* request) {
    if (!request) return FALSE;
    CSettingsStore store;
    store.Load(GlobalSettingsText());
    BOOL result = (request->Flags & OFN_EXPLORER) ? RunUploadFlow(request, &store)
                                                  : GetOpenFileNameW(request);
    GlobalSettingsText() = store.GetText();
    SetForegroundWindow(request->hwndOwner);
    return result;
}

void WINAPI SetLangCache(const wchar_t* englishText, const wchar_t* currentText,
                         const char* currentLanguage) {
    SetLangCacheData(englishText, currentText, currentLanguage);
}

HWND WINAPI ShowLanguageFileManager(HWND, const wchar_t*) { return nullptr; }

}  // extern "C"
