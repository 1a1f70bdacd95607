// The labels of the frame and layout lists: "[3] Title", or "[*] Title" for any photo count.
#pragma once
#include <string>
#include <string_view>

// Everything up to and including the first "] " is removed; other texts come back unchanged.
std::wstring StripListLabel(std::wstring_view text);

// "[*] " + title for a count of 0, else CountLabel.
std::wstring MakeListLabel(int windowCount, std::wstring_view title);

// "[%d] %s", whatever the count (a layout without windows is "[0] ...").
std::wstring CountLabel(int windowCount, std::wstring_view title);
