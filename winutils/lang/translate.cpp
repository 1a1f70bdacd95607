#include "lang/translate.h"

std::wstring TranslateText(std::wstring_view text) { return std::wstring(text); }
