#include "compose/rect_expression.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ExpressionCase {
    std::string text;
    int code;
    std::int32_t value; // read only when code is 0
};

TEST(RectExpression, EvaluatesWithTheLayoutLanguagesRules) {
    const std::string deep = std::string(100000, '(') + "7" + std::string(100000, ')');
    const ExpressionCase cases[] = {
        {"2+3*4", kExpressionOk, 14},
        {"(2+3)*4", kExpressionOk, 20},
        {"3-2-1", kExpressionOk, 0},
        {"7\\2", kExpressionOk, 3},
        {"7/2", kExpressionOk, 3},
        {"-7/2", kExpressionOk, -3},
        {"-7%2", kExpressionOk, -1},
        {"10%4*2", kExpressionOk, 2}, // the product first
        {"1+2<<1", kExpressionOk, 5}, // the shift first
        {"1<<33", kExpressionOk, 2},  // shift counts are taken modulo 32
        {"(0-8)>>1", kExpressionOk, -4},
        {"1<2&&0", kExpressionOk, 0},  // "&&" before the comparison
        {"1|2^7&4", kExpressionOk, 4}, // one bitwise level, left to right
        {"1.9*2", kExpressionOk, 2},
        {"1000*0.5", kExpressionOk, 0},
        {"1e3+5.", kExpressionOk, 1005},
        {" \t2 *\r\n-3", kExpressionOk, -3}, // the sign's 0 attaches to "*": (2*0)-3
        {"2*(-3)", kExpressionOk, -6},
        {"2 - -3", kExpressionOk, -1},
        {"-(-3)", kExpressionOk, 3},
        {"5!=3", kExpressionOk, 1},
        {"6!&3", kExpressionOk, -3},
        {"4!|1", kExpressionOk, -6},
        {"3>=3==1", kExpressionOk, 1},
        {"2*-3", kExpressionBadToken, 0},
        {"1=2", kExpressionBadToken, 0},
        {"!1", kExpressionBadToken, 0},
        {"12abc", kExpressionBadToken, 0},
        {"W", kExpressionBadToken, 0},
        {"1e", kExpressionBadToken, 0},
        {"0x10", kExpressionBadToken, 0},
        {"inf", kExpressionBadToken, 0},
        {"1$", kExpressionBadToken, 0},
        {"1 2", kExpressionExtraValue, 0},
        {"(1)(2)", kExpressionExtraValue, 0},
        {"(1+2", kExpressionUnbalanced, 0},
        {"1+2)", kExpressionUnbalanced, 0},
        {"1+", kExpressionUnbalanced, 0},
        {"+", kExpressionUnbalanced, 0},
        // No value at all.
        {"", kExpressionEmpty, 0},
        {"  ", kExpressionEmpty, 0},
        {"(())", kExpressionEmpty, 0},
        // Arithmetic that has no 32-bit answer fails instead of trapping or wrapping.
        {"1/0", kExpressionArithmetic, 0},
        {"1\\(2-2)", kExpressionArithmetic, 0},
        {"5%0", kExpressionArithmetic, 0},
        {"(-2147483647-1)/(-1)", kExpressionArithmetic, 0},
        {"(-2147483647-1)%(-1)", kExpressionOk, 0},
        {"2147483647+1", kExpressionArithmetic, 0},
        {"-2147483647-2", kExpressionArithmetic, 0},
        {"65536*65536", kExpressionArithmetic, 0},
        {"-2147483647-1", kExpressionOk, INT32_MIN},
        {"2147483648", kExpressionArithmetic, 0},
        {"1e10", kExpressionArithmetic, 0},
        {"1e999999999999", kExpressionArithmetic, 0},
        {"0.0000000000000000000000000000001e20", kExpressionOk, 0},
        {"2147483647.9", kExpressionOk, INT32_MAX},
        // Nesting costs no call stack.
        {deep, kExpressionOk, 7},
        {std::string(100000, '('), kExpressionUnbalanced, 0},
    };
    for (const ExpressionCase& c : cases) {
        std::int32_t value = 12345;
        const int code = EvaluateExpression(c.text, &value);
        const std::string shown = c.text.substr(0, 40);
        EXPECT_EQ(code, c.code) << shown;
        EXPECT_EQ(value, c.code == kExpressionOk ? c.value : 12345) << shown;
    }
}

struct RectCase {
    const wchar_t* expression;
    std::int32_t width, height, inset;
    bool transposed;
    WindowRect expected;
};

TEST(RectExpression, WindowRectsScaleByTheFrameWidth) {
    const RectCase cases[] = {
        {L"0,0,w,h", 1200, 800, 12, false, {12, 12, 1188, 787}},
        {L"w/2+10,h/4,w/2-20,h/2", 1000, 750, 0, false, {510, 187, 990, 562}},
        {L"0,0,w,h", 1200, 800, 0, true, {0, 0, 800, 1200}},
        {L"0,0,w/2,h,ignored", 600, 900, 0, true, {0, 0, 450, 599}},
        // A part that fails (or is missing) counts as 0.
        {L"1/0,w/10,w,h", 1000, 500, 0, false, {0, 100, 1000, 600}},
        {L"100,100,w", 1000, 500, 0, false, {100, 100, 1100, 100}},
        {L"", 1000, 500, 5, false, {5, 5, -5, -5}},
        {L"0,0,W,h", 1000, 500, 0, false, {0, 0, 0, 500}},
        {L"0,0,w\x00e9,h", 1000, 500, 0, false, {0, 0, 0, 500}},
        // A frame without width, and results beyond 32 bits, stay defined.
        {L"0,0,w,h", 0, 500, 0, false, {0, 0, 0, 0}},
        {L"0,0,2000000000,1", 2000000000, 1, -10, false, {-10, -10, INT32_MAX, 2000010}},
    };
    for (const RectCase& c : cases) {
        const WindowRect r =
            EvaluateWindowRect(c.expression, c.width, c.height, c.inset, c.transposed);
        EXPECT_EQ(r.left, c.expected.left) << c.expression;
        EXPECT_EQ(r.top, c.expected.top) << c.expression;
        EXPECT_EQ(r.right, c.expected.right) << c.expression;
        EXPECT_EQ(r.bottom, c.expected.bottom) << c.expression;
    }
}

TEST(RectExpression, TransposeExchangesTheAxes) {
    const WindowRect r = TransposeRect(EvaluateWindowRect(L"0,0,w/2,h", 600, 900, 0, true));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 599);
    EXPECT_EQ(r.bottom, 450);
}

} // namespace
