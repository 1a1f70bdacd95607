// The library's exported entry points.
#pragma once
#include <windows.h>
#include <commdlg.h>

extern "C" {
void WINAPI SetSettings(const wchar_t* text);
int WINAPI GetSettings(wchar_t* buffer);
BOOL WINAPI ShowUploadFileDialog(OPENFILENAMEW* request);
void WINAPI SetLangCache(const wchar_t* englishText, const wchar_t* currentText,
                         const char* currentLanguage);
HWND WINAPI ShowLanguageFileManager(HWND parent, const wchar_t* languages);
}
