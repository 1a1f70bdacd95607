#include "common/command_line.h"

#include <string_view>

std::wstring_view TrimCommandBlanks(std::wstring_view text) {
    size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    size_t last = text.find_last_not_of(L" \t");
    return text.substr(first, last - first + 1);
}

std::wstring SplitCommandLine(std::wstring& command) {
    std::wstring_view whole = TrimCommandBlanks(command);
    std::wstring program;
    std::wstring arguments;
    size_t closing =
        whole.size() > 1 && whole[0] == L'"' ? whole.find(L'"', 1) : std::wstring_view::npos;
    if (closing != std::wstring_view::npos) {
        program = whole.substr(1, closing - 1);
        arguments = TrimCommandBlanks(whole.substr(closing + 1));
    } else if (size_t blank = whole.find(L' '); blank != std::wstring_view::npos) {
        program = whole.substr(0, blank);
        arguments = TrimCommandBlanks(whole.substr(blank + 1));
    } else {
        program = whole;
    }
    command = std::move(program);
    return arguments;
}
