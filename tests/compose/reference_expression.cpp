#include "reference_expression.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <vector>

namespace kvref {
namespace {

const std::map<std::string, int>& Levels() {
    static const std::map<std::string, int> levels = {
        {"*", 19},  {"/", 19},  {"\\", 19}, {"%", 18}, {"<<", 17}, {">>", 17}, {"-", 16},
        {"+", 16},  {"^", 15},  {"&", 15},  {"|", 15}, {"!|", 15}, {"!&", 15}, {"&&", 14},
        {"||", 14}, {"==", 13}, {"!=", 13}, {"<", 13}, {"<=", 13}, {">", 13},  {">=", 13},
    };
    return levels;
}

const std::string kOperatorChars = "<>=!*/%+-^&|\\";

bool InRange(std::int64_t v) {
    return v >= INT32_MIN && v <= INT32_MAX;
}

// A state machine over digits [. digits] [e digits]; at least one mantissa digit.
bool IsPlainDecimal(const std::string& token) {
    enum { Whole, Fraction, ExponentStart, Exponent } state = Whole;
    bool mantissaDigit = false;
    for (char c : token) {
        const bool digit = c >= '0' && c <= '9';
        if (state == Whole && digit)
            mantissaDigit = true;
        else if (state == Whole && c == '.')
            state = Fraction;
        else if (state == Fraction && digit)
            mantissaDigit = true;
        else if ((state == Whole || state == Fraction) && (c == 'e' || c == 'E') && mantissaDigit)
            state = ExponentStart;
        else if ((state == ExponentStart || state == Exponent) && digit)
            state = Exponent;
        else
            return false;
    }
    return mantissaDigit && state != ExponentStart;
}

struct Evaluator {
    std::vector<std::int64_t> values;
    int code = 0;

    void PushNumber(const std::string& token) {
        if (!IsPlainDecimal(token)) {
            code = 3;
            return;
        }
        const double d = std::strtod(token.c_str(), nullptr);
        const double t = std::trunc(d);
        if (!(t >= -2147483648.0 && t <= 2147483647.0)) {
            code = 5;
            return;
        }
        values.push_back(static_cast<std::int64_t>(t));
    }

    void ApplyOperator(const std::string& op) {
        if (values.size() < 2) {
            code = 1;
            return;
        }
        const std::int64_t b = values.back();
        values.pop_back();
        const std::int64_t a = values.back();
        values.pop_back();
        std::int64_t r = 0;
        if (op == "*")
            r = a * b;
        else if (op == "/" || op == "\\" || op == "%") {
            if (b == 0) {
                code = 5;
                return;
            }
            r = op == "%" ? a % b : a / b;
        } else if (op == "<<") {
            // Bits shifted out of 32 are lost, as in a 32-bit register.
            const std::uint64_t shifted = static_cast<std::uint64_t>(a) << (b & 31);
            r = static_cast<std::int32_t>(static_cast<std::uint32_t>(shifted & 0xffffffffu));
        } else if (op == ">>") {
            r = a >> (b & 31);
        } else if (op == "-")
            r = a - b;
        else if (op == "+")
            r = a + b;
        else if (op == "^")
            r = a ^ b;
        else if (op == "&")
            r = a & b;
        else if (op == "|")
            r = a | b;
        else if (op == "!|")
            r = ~(a | b);
        else if (op == "!&")
            r = ~(a & b);
        else if (op == "&&")
            r = (a && b);
        else if (op == "||")
            r = (a || b);
        else if (op == "==")
            r = a == b;
        else if (op == "!=")
            r = a != b;
        else if (op == "<")
            r = a < b;
        else if (op == "<=")
            r = a <= b;
        else if (op == ">")
            r = a > b;
        else if (op == ">=")
            r = a >= b;
        if (!InRange(r)) {
            code = 5;
            return;
        }
        values.push_back(r);
    }
};

struct Token {
    enum Kind { Number, Operator, Open, Close } kind;
    std::string text;
};

// Syntax first (tokens and parenthesis balance, in text order), then evaluation.
int Tokenize(const std::string& text, std::vector<Token>& tokens) {
    int depth = 0;
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == ' ' || (c >= '\t' && c <= '\r')) {
            ++i;
        } else if (c == '(') {
            ++depth;
            tokens.push_back({Token::Open, "("});
            ++i;
        } else if (c == ')') {
            if (--depth < 0) return 1;
            tokens.push_back({Token::Close, ")"});
            ++i;
        } else if (kOperatorChars.find(static_cast<char>(c)) != std::string::npos) {
            size_t j = i;
            while (j < text.size() && kOperatorChars.find(text[j]) != std::string::npos)
                ++j;
            std::string run = text.substr(i, j - i);
            if (!Levels().count(run)) return 3;
            tokens.push_back({Token::Operator, run});
            i = j;
        } else {
            size_t j = i;
            while (j < text.size() && c < 0x80 &&
                   (std::isalnum(static_cast<unsigned char>(text[j])) || text[j] == '.') &&
                   static_cast<unsigned char>(text[j]) < 0x80)
                ++j;
            if (j == i) return 3;
            tokens.push_back({Token::Number, text.substr(i, j - i)});
            i = j;
        }
    }
    return depth == 0 ? 0 : 1;
}

} // namespace

int ReferenceEvaluate(const std::string& text, std::int64_t* value) {
    std::vector<Token> tokens;
    if (int code = Tokenize(text, tokens)) return code;

    Evaluator ev;
    std::vector<std::string> ops; // "(" or an operator
    bool expectOperand = true;
    for (const Token& t : tokens) {
        if (t.kind == Token::Number) {
            ev.PushNumber(t.text);
            expectOperand = false;
        } else if (t.kind == Token::Open) {
            ops.push_back("(");
        } else if (t.kind == Token::Close) {
            while (ops.back() != "(") {
                ev.ApplyOperator(ops.back());
                ops.pop_back();
                if (ev.code) return ev.code;
            }
            ops.pop_back();
        } else {
            if (expectOperand) ev.values.push_back(0);
            const int level = Levels().at(t.text);
            while (!ops.empty() && ops.back() != "(" && Levels().at(ops.back()) >= level) {
                ev.ApplyOperator(ops.back());
                ops.pop_back();
                if (ev.code) return ev.code;
            }
            ops.push_back(t.text);
            expectOperand = true;
        }
        if (ev.code) return ev.code;
    }
    while (!ops.empty()) {
        ev.ApplyOperator(ops.back());
        ops.pop_back();
        if (ev.code) return ev.code;
    }
    if (ev.values.empty()) return 2;
    if (ev.values.size() > 1) return 4;
    *value = ev.values.front();
    return 0;
}

} // namespace kvref
