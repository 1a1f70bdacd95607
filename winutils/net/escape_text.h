// The escaping of form values: letters, digits and "_-.~" stay, everything else becomes %XX or
// %uXXXX (upper-case hexadecimal).
#pragma once
#include <string>
#include <string_view>

std::wstring EscapeText(std::wstring_view text);
// Undoes EscapeText; also turns "+" into a blank and accepts lower-case hexadecimal. A percent
// sign not followed by a complete code stays as it is.
std::wstring UnescapeText(std::wstring_view text);
