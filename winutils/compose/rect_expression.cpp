#include "compose/rect_expression.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace {

// clang-format off
enum class Op : std::uint8_t {
    Mul, Div, Rem, Shl, Shr, Sub, Add, Xor, And, Or, Nor, Nand,
    LogAnd, LogOr, Eq, Ne, Lt, Le, Gt, Ge, Open,
};
// clang-format on

struct OpInfo {
    std::string_view text;
    Op op;
    int level; // larger binds tighter
};

// The layout language's own levels: "%" below "*", shifts above "+", comparisons lowest.
constexpr OpInfo kOperators[] = {
    {"*", Op::Mul, 19},   {"/", Op::Div, 19},     {"\\", Op::Div, 19},   {"%", Op::Rem, 18},
    {"<<", Op::Shl, 17},  {">>", Op::Shr, 17},    {"-", Op::Sub, 16},    {"+", Op::Add, 16},
    {"^", Op::Xor, 15},   {"&", Op::And, 15},     {"|", Op::Or, 15},     {"!|", Op::Nor, 15},
    {"!&", Op::Nand, 15}, {"&&", Op::LogAnd, 14}, {"||", Op::LogOr, 14}, {"==", Op::Eq, 13},
    {"!=", Op::Ne, 13},   {"<", Op::Lt, 13},      {"<=", Op::Le, 13},    {">", Op::Gt, 13},
    {">=", Op::Ge, 13},
};

int LevelOf(Op op) {
    for (const OpInfo& info : kOperators)
        if (info.op == op) return info.level;
    return 0; // "(" never pops
}

bool IsOperatorChar(char c) {
    return c != 0 && std::string_view("<>=!*/%+-^&|\\").find(c) != std::string_view::npos;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNumberChar(char c) {
    return IsDigit(c) || c == '.' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// One postfix item: a number's text or an operator.
struct Item {
    bool isNumber = false;
    std::string_view number;
    Op op = Op::Open;
};

// Splits a plain decimal (digits, an optional fraction, an optional exponent of digits).
struct Decimal {
    std::string_view whole, fraction, exponent;
};

std::optional<Decimal> SplitDecimal(std::string_view t) {
    Decimal d;
    size_t i = 0;
    while (i < t.size() && IsDigit(t[i]))
        ++i;
    d.whole = t.substr(0, i);
    if (i < t.size() && t[i] == '.') {
        const size_t start = ++i;
        while (i < t.size() && IsDigit(t[i]))
            ++i;
        d.fraction = t.substr(start, i - start);
    }
    if (d.whole.empty() && d.fraction.empty()) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        const size_t start = ++i;
        while (i < t.size() && IsDigit(t[i]))
            ++i;
        d.exponent = t.substr(start, i - start);
        if (d.exponent.empty()) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    return d;
}

// Power of ten of the leading non-zero digit, saturated; nullopt for a zero value.
std::optional<std::int64_t> LeadingPower(const Decimal& d) {
    std::int64_t exponent = 0;
    for (char c : d.exponent)
        exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), 1000000);
    const size_t first = d.whole.find_first_not_of('0');
    if (first != std::string_view::npos)
        return static_cast<std::int64_t>(d.whole.size() - 1 - first) + exponent;
    const size_t firstFraction = d.fraction.find_first_not_of('0');
    if (firstFraction == std::string_view::npos) return std::nullopt;
    return exponent - static_cast<std::int64_t>(firstFraction) - 1;
}

// The number as a double, truncated toward zero; values beyond 32 bits are an arithmetic
// fault rather than an undefined conversion.
int ConvertNumber(std::string_view t, std::int32_t* out) {
    const std::optional<Decimal> decimal = SplitDecimal(t);
    if (!decimal) return kExpressionBadToken;
    const std::optional<std::int64_t> power = LeadingPower(*decimal);
    if (!power || *power <= -2) { // below 0.1 truncates to 0 whatever the rounding
        *out = 0;
        return kExpressionOk;
    }
    if (*power >= 10) return kExpressionArithmetic;
    double d = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), d);
    if (ec != std::errc() || end != t.data() + t.size()) return kExpressionBadToken;
    if (!(d > -2147483649.0 && d < 2147483648.0)) return kExpressionArithmetic;
    *out = static_cast<std::int32_t>(d);
    return kExpressionOk;
}

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

std::optional<std::int32_t> Narrow(std::int64_t v) {
    if (v < kMin || v > kMax) return std::nullopt;
    return static_cast<std::int32_t>(v);
}

// Applies one operator; nullopt for division by zero and results beyond 32 bits.
std::optional<std::int32_t> Apply(Op op, std::int32_t a, std::int32_t b) {
    const std::int64_t wa = a, wb = b;
    switch (op) {
    case Op::Mul:
        return Narrow(wa * wb);
    case Op::Div:
        if (b == 0) return std::nullopt;
        return Narrow(wa / wb); // only INT_MIN / -1 leaves the range
    case Op::Rem:
        if (b == 0) return std::nullopt;
        return static_cast<std::int32_t>(wa % wb);
    case Op::Shl:
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) << (b & 31));
    case Op::Shr:
        return a >> (b & 31);
    case Op::Sub:
        return Narrow(wa - wb);
    case Op::Add:
        return Narrow(wa + wb);
    case Op::Xor:
        return a ^ b;
    case Op::And:
        return a & b;
    case Op::Or:
        return a | b;
    case Op::Nor:
        return ~(a | b);
    case Op::Nand:
        return ~(a & b);
    case Op::LogAnd:
        return (a != 0 && b != 0) ? 1 : 0;
    case Op::LogOr:
        return (a != 0 || b != 0) ? 1 : 0;
    case Op::Eq:
        return a == b ? 1 : 0;
    case Op::Ne:
        return a != b ? 1 : 0;
    case Op::Lt:
        return a < b ? 1 : 0;
    case Op::Le:
        return a <= b ? 1 : 0;
    case Op::Gt:
        return a > b ? 1 : 0;
    case Op::Ge:
        return a >= b ? 1 : 0;
    case Op::Open:
        break;
    }
    return std::nullopt;
}

// Pass 1: infix to postfix with an operator stack (no recursion, so nesting depth is free).
int ToPostfix(std::string_view text, std::vector<Item>& out) {
    static constexpr std::string_view kZero = "0";
    std::vector<Op> stack;
    bool afterOperator = true; // nothing read yet counts as "after an operator"
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (IsSpace(c)) {
            ++i;
            continue;
        }
        if (c == '(') {
            stack.push_back(Op::Open);
            ++i;
            continue;
        }
        if (c == ')') {
            for (;;) {
                if (stack.empty()) return kExpressionUnbalanced;
                const Op top = stack.back();
                stack.pop_back();
                if (top == Op::Open) break;
                out.push_back({false, {}, top});
            }
            ++i;
            continue;
        }
        size_t run = i;
        while (run < text.size() && IsOperatorChar(text[run]))
            ++run;
        if (run > i) {
            const std::string_view token = text.substr(i, run - i);
            const OpInfo* info = nullptr;
            for (const OpInfo& candidate : kOperators)
                if (candidate.text == token) info = &candidate;
            if (!info) return kExpressionBadToken;
            // A leading sign: -5 is 0 - 5.
            if (afterOperator) out.push_back({true, kZero, Op::Open});
            while (!stack.empty() && stack.back() != Op::Open &&
                   LevelOf(stack.back()) >= info->level) {
                out.push_back({false, {}, stack.back()});
                stack.pop_back();
            }
            stack.push_back(info->op);
            afterOperator = true;
            i = run;
            continue;
        }
        while (run < text.size() && IsNumberChar(text[run]))
            ++run;
        if (run == i) return kExpressionBadToken;
        out.push_back({true, text.substr(i, run - i), Op::Open});
        afterOperator = false;
        i = run;
    }
    while (!stack.empty()) {
        if (stack.back() == Op::Open) return kExpressionUnbalanced;
        out.push_back({false, {}, stack.back()});
        stack.pop_back();
    }
    return kExpressionOk;
}

} // namespace

int EvaluateExpression(std::string_view text, std::int32_t* value) {
    std::vector<Item> postfix;
    if (int code = ToPostfix(text, postfix); code != kExpressionOk) return code;

    // Pass 2: evaluate the postfix sequence.
    std::vector<std::int32_t> values;
    for (const Item& item : postfix) {
        if (item.isNumber) {
            std::int32_t number = 0;
            if (int code = ConvertNumber(item.number, &number); code != kExpressionOk) return code;
            values.push_back(number);
            continue;
        }
        if (values.size() < 2) return kExpressionUnbalanced;
        const std::int32_t b = values.back();
        values.pop_back();
        const std::int32_t a = values.back();
        values.pop_back();
        const std::optional<std::int32_t> result = Apply(item.op, a, b);
        if (!result) return kExpressionArithmetic;
        values.push_back(*result);
    }
    if (values.empty()) return kExpressionEmpty;
    if (values.size() > 1) return kExpressionExtraValue;
    if (value) *value = values.front();
    return kExpressionOk;
}
