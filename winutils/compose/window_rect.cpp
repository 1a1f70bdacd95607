#include "compose/rect_expression.h"

#include <algorithm>
#include <limits>

namespace {

std::int32_t Saturate(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The layout is plain text: w and h are replaced as text, case-sensitive. Characters outside
// ASCII can never form a token, so they become a byte that fails the part (no best-fit mapping).
std::string Substitute(std::wstring_view expression, const std::string& heightUnits) {
    std::string text;
    text.reserve(expression.size());
    for (wchar_t c : expression) {
        if (c == L'w')
            text += "1000";
        else if (c == L'h')
            text += heightUnits;
        else if (c == 0 || c > 0x7f)
            text += '\x80';
        else
            text += static_cast<char>(c);
    }
    return text;
}

} // namespace

WindowRect EvaluateWindowRect(std::wstring_view expression, std::int32_t frameWidth,
                              std::int32_t frameHeight, std::int32_t inset, bool transposed) {
    std::int64_t a = frameWidth, b = frameHeight;
    if (transposed) std::swap(a, b);

    // h in frame units; a frame without width has no height in its units either.
    const std::int64_t heightUnits = a == 0 ? 0 : b * 1000 / a;
    const std::string text = Substitute(expression, std::to_string(heightUnits));

    std::int64_t parts[4] = {kFailedRectPart, kFailedRectPart, kFailedRectPart, kFailedRectPart};
    size_t start = 0;
    for (int i = 0; i < 4 && start <= text.size(); ++i) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        std::int32_t value = 0;
        if (EvaluateExpression(std::string_view(text).substr(start, comma - start), &value) ==
            kExpressionOk)
            parts[i] = value;
        start = comma + 1;
    }

    // Both axes scale by the width: frame units are square.
    const std::int64_t x = a * parts[0] / 1000;
    const std::int64_t y = a * parts[1] / 1000;
    const std::int64_t width = a * parts[2] / 1000;
    const std::int64_t height = a * parts[3] / 1000;
    WindowRect rect;
    rect.left = Saturate(x + inset);
    rect.top = Saturate(y + inset);
    rect.right = Saturate(x + width - inset);
    rect.bottom = Saturate(y + height - inset);
    return rect;
}

WindowRect TransposeRect(const WindowRect& rect) {
    return {rect.top, rect.left, rect.bottom, rect.right};
}
