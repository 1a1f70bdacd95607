#include "photoloft/list_label.h"

std::wstring StripListLabel(std::wstring_view text) {
    const std::size_t at = text.find(L"] ");
    if (at == std::wstring_view::npos) return std::wstring(text);
    return std::wstring(text.substr(at + 2));
}

std::wstring MakeListLabel(int windowCount, std::wstring_view title) {
    if (windowCount == 0) return L"[*] " + std::wstring(title);
    return CountLabel(windowCount, title);
}

std::wstring CountLabel(int windowCount, std::wstring_view title) {
    return L"[" + std::to_wstring(windowCount) + L"] " + std::wstring(title);
}
