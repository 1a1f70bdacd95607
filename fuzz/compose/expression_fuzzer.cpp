// Feeds arbitrary bytes to the expression evaluator and the window rect evaluator. Besides
// crashes and sanitizer reports it stops on any disagreement with the reference evaluator.
#include "compose/rect_expression.h"
#include "reference_expression.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    std::int32_t value = 0;
    const int code = EvaluateExpression(text, &value);
    std::int64_t expected = 0;
    const int expectedCode = kvref::ReferenceEvaluate(text, &expected);
    if (code != expectedCode || (code == kExpressionOk && value != expected)) {
        std::fprintf(stderr, "mismatch: code %d value %d, reference code %d value %lld\n", code,
                     value, expectedCode, static_cast<long long>(expected));
        std::abort();
    }

    // The first bytes choose the frame; the rest is a rect expression.
    if (size >= 9) {
        std::int32_t width = 0, height = 0;
        std::memcpy(&width, data, 4);
        std::memcpy(&height, data + 4, 4);
        const bool transposed = data[8] & 1;
        const std::int32_t inset = static_cast<std::int8_t>(data[8]);
        std::wstring expression;
        for (size_t i = 9; i < size; ++i)
            expression += static_cast<wchar_t>(data[i]);
        const WindowRect rect = EvaluateWindowRect(expression, width, height, inset, transposed);
        (void)rect;
    }
    return 0;
}
