#include <windows.h>

#include "lang/lang_state.h"

#include "common/folders.h"
#include "common/text_file.h"
#include "lang/lang_text.h"

CLangData& LangState() {
    static CLangData state(&ModuleFolder, &ReadLangFile);
    return state;
}

bool ReadLangFile(const std::wstring& path, unsigned codePage, std::wstring& text) {
    std::wstring read;
    if (ReadTextFile(path, read, codePage) <= 0) return false;
    text = std::move(read);
    return true;
}

void SetLangCacheData(const wchar_t* englishText, const wchar_t* currentText,
                      const char* currentLanguage) {
    std::wstring language;
    if (currentLanguage && *currentLanguage) {
        int length = MultiByteToWideChar(CP_THREAD_ACP, 0, currentLanguage, -1, nullptr, 0);
        if (length > 1) {
            language.resize(static_cast<size_t>(length));
            MultiByteToWideChar(CP_THREAD_ACP, 0, currentLanguage, -1, language.data(), length);
            language.resize(static_cast<size_t>(length - 1));
        }
    }
    LangState().SetCache(englishText ? englishText : L"", currentText ? currentText : L"",
                         language);
}

std::wstring GetLangFilePath(std::wstring_view name) {
    return LangState().FilePath(name);
}

std::wstring GetLangValue(const std::wstring& path, std::wstring_view key, std::wstring_view def) {
    return LangState().Value(path, key, def);
}

unsigned FindLangTextId(std::wstring_view text) {
    return LangState().FindTextId(text);
}

void ReplaceLangText(std::wstring_view text) {
    LangState().ReplaceCurrentText(text);
}

std::wstring CurrentLanguageName() {
    return LangState().CurrentLanguage();
}

std::wstring SourceLanguageName() {
    return std::wstring(kSourceLanguage);
}
