// Translation of the library's English texts into the browser's language.
#pragma once
#include <string>
#include <string_view>

std::wstring TranslateText(std::wstring_view text);
