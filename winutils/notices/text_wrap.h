// Greedy line breaking for message texts, independent of how text is measured.
#pragma once
#include <functional>
#include <string>
#include <string_view>

// Width of a piece of one line, in pixels.
using TextMeasure = std::function<int(std::wstring_view)>;

// Ideographs a line may break before and after without a blank.
bool IsCjkIdeograph(wchar_t c);

// Inserts separator where a line would grow wider than maxWidth. Lines break after white space
// (which stays at the end of the line) and around ideographs; a word wider than a line stays
// whole on a line of its own; existing LF characters always end a line.
std::wstring WrapText(std::wstring_view text, std::wstring_view separator, int maxWidth,
                      const TextMeasure& measure);
