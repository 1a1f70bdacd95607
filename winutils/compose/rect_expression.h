// Rect expressions of frame layouts: "x,y,width,height" in frame units (the frame is 1000 wide).
// Pure code, no Windows header.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Result codes of EvaluateExpression.
enum ExpressionResult : int {
    kExpressionOk = 0,
    kExpressionUnbalanced = 1, // unbalanced parentheses, or an operator without two operands
    kExpressionEmpty = 2,      // no value at all: an empty text or only parentheses
    kExpressionBadToken = 3,   // neither operator, parenthesis nor number
    kExpressionExtraValue = 4, // more than one value left over
    kExpressionArithmetic = 5, // division by zero, 32-bit overflow, number out of range
};

// Evaluates one integer expression (8-bit text). On success stores the value and returns
// kExpressionOk; otherwise returns the failure code and leaves *value alone.
int EvaluateExpression(std::string_view text, std::int32_t* value);

struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// A part that does not evaluate (or is missing) takes this value, in frame units.
inline constexpr std::int32_t kFailedRectPart = 0;

// Evaluates a rect expression for a frame of the given pixel size and shrinks the result by
// the inset on every side. With transposed set the expression is evaluated for the frame's
// untransposed form (width and height exchanged); the caller transposes the result back.
// Coordinates beyond the 32-bit range are saturated.
WindowRect EvaluateWindowRect(std::wstring_view expression, std::int32_t frameWidth,
                              std::int32_t frameHeight, std::int32_t inset, bool transposed);

// Left with top and right with bottom: a rectangle of the transposed frame.
WindowRect TransposeRect(const WindowRect& rect);
