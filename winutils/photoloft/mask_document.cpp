#include "photoloft/mask_document.h"

#include <limits>

namespace {

const std::wstring* Find(const XmlAttributes& attributes, const wchar_t* name) {
    auto it = attributes.find(name);
    return it == attributes.end() ? nullptr : &it->second;
}

bool IsBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

// Characters XML 1.0 cannot carry at all, even as references.
bool IsForbiddenInXml(wchar_t c) {
    return (c < 0x20 && c != L'\t' && c != L'\n' && c != L'\r') || c == 0xFFFE || c == 0xFFFF;
}

} // namespace

FrameMask FrameMaskFromNodes(std::wstring_view title, const std::vector<XmlAttributes>& children) {
    FrameMask mask;
    mask.name = std::wstring(title);
    for (const XmlAttributes& child : children) {
        WindowRecord window;
        const std::wstring* rect = Find(child, L"rect");
        window.rect = rect ? *rect : std::wstring();
        const std::wstring* rotate = Find(child, L"rotate");
        window.angle = rotate ? ParseRotate(*rotate) : 0;
        mask.windows.push_back(std::move(window));
    }
    return mask;
}

void AddGenericLayouts(const std::vector<XmlAttributes>& children, FrameMaskTable& table) {
    for (const XmlAttributes& child : children) {
        FrameMask layout;
        if (const std::wstring* name = Find(child, L"name")) layout.name = *name;
        if (const std::wstring* windows = Find(child, L"windows")) {
            for (std::wstring& rect : SplitWindowList(*windows)) {
                WindowRecord window;
                window.rect = std::move(rect);
                layout.windows.push_back(std::move(window));
            }
        }
        std::wstring key = MaskKey(layout.name);
        table[key] = std::move(layout);
    }
}

std::vector<std::wstring> SplitWindowList(std::wstring_view text) {
    std::vector<std::wstring> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(L';', start);
        if (end == std::wstring_view::npos) end = text.size();
        if (end > start) pieces.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

std::int32_t ParseRotate(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > kMax + 1) value = kMax + 1; // enough to saturate either way
    }
    if (negative) value = -value;
    if (value > kMax) return std::int32_t(kMax);
    if (value < kMin) return std::int32_t(kMin);
    return std::int32_t(value);
}

std::wstring EscapeXmlAttribute(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        switch (c) {
        case L'&':
            out += L"&amp;";
            break;
        case L'<':
            out += L"&lt;";
            break;
        case L'>':
            out += L"&gt;";
            break;
        case L'\'':
            out += L"&apos;";
            break;
        case L'"':
            out += L"&quot;";
            break;
        // A parser turns literal line breaks and tabs in attributes into spaces.
        case L'\t':
            out += L"&#9;";
            break;
        case L'\n':
            out += L"&#10;";
            break;
        case L'\r':
            out += L"&#13;";
            break;
        // Blanks to the evaluator, but not allowed in XML.
        case L'\v':
        case L'\f':
            out += L' ';
            break;
        default:
            // The evaluator rejects such a character as it rejects the replacement character.
            out += IsForbiddenInXml(c) ? wchar_t(0xFFFD) : c;
        }
    }
    return out;
}

std::wstring FrameLayoutText(const FrameMask& mask) {
    std::wstring text = L"<PhotoFrameMask>";
    for (const WindowRecord& window : mask.windows) {
        text += L"\n<Window rect='";
        text += EscapeXmlAttribute(window.rect);
        text += L"' />";
    }
    text += L"\n</PhotoFrameMask>";
    return text;
}
