#include "command_line.h"

std::wstring_view CommandTail(std::wstring_view commandLine) {
    size_t i = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        // A quoted program name ends at the next quotation mark, which may be missing.
        i = commandLine.find(L'"', 1);
        i = i == std::wstring_view::npos ? commandLine.size() : i + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] > L' ')
            ++i;
    }
    while (i < commandLine.size() && commandLine[i] != L'\0' && commandLine[i] <= L' ')
        ++i;
    return commandLine.substr(i);
}

std::wstring TrimWhiteSpace(std::wstring_view text) {
    constexpr std::wstring_view kWhiteSpace = L" \t\r\n\v\f";
    size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::wstring_view::npos) return {};
    size_t last = text.find_last_not_of(kWhiteSpace);
    return std::wstring(text.substr(first, last - first + 1));
}
