#include <windows.h>

#include "lang/language_names.h"

std::wstring UiLanguageName() {
    return LanguageIdName(GetUserDefaultUILanguage());
}
