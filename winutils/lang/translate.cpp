#include "lang/translate.h"

#include "lang/lang_state.h"

std::wstring TranslateText(std::wstring_view text) {
    return LangState().Translate(text);
}
