#include "common/menu_text.h"

#include "common/strings.h"

std::wstring RemoveAcceleratorMarks(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'&') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == L'&') {
            out += L"&&";
            ++i;
        }
    }
    return out;
}

bool SameMenuText(std::wstring_view a, std::wstring_view b) {
    return EqualsNoCase(RemoveAcceleratorMarks(a), RemoveAcceleratorMarks(b));
}
