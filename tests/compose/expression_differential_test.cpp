// Random expressions through both evaluators: codes and values must agree.
#include "compose/rect_expression.h"
#include "reference_expression.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace {

class ExpressionGenerator {
  public:
    explicit ExpressionGenerator(unsigned seed) : rng_(seed) {}

    std::string Next() {
        std::string text = Expression(0);
        if (Chance(8)) Damage(text);
        return text;
    }

  private:
    bool Chance(int percent) { return Pick(100) < percent; }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::string Space() {
        static const char* spaces[] = {"", "", "", " ", "  ", "\t", "\r\n"};
        return spaces[Pick(7)];
    }

    std::string Number() {
        static const char* special[] = {"0",
                                        "1",
                                        "2",
                                        "31",
                                        "32",
                                        "46340",
                                        "46341",
                                        "65535",
                                        "65536",
                                        "1000",
                                        "1.9",
                                        "0.5",
                                        ".5",
                                        "5.",
                                        "1e3",
                                        "2E9",
                                        "1e10",
                                        "12abc",
                                        "w",
                                        "0x10",
                                        "2147483647",
                                        "2147483648",
                                        "2147483647.99",
                                        "0.999999999999999999",
                                        "1e",
                                        "99999999999"};
        if (Chance(30)) return special[Pick(sizeof(special) / sizeof(*special))];
        const int digits = 1 + Pick(Chance(80) ? 4 : 10);
        std::string n;
        for (int i = 0; i < digits; ++i)
            n += static_cast<char>('0' + Pick(10));
        return n;
    }

    std::string Operator() {
        static const char* ops[] = {"*",  "/",  "\\", "%",  "<<", ">>", "-", "+",  "^", "&", "|",
                                    "!|", "!&", "&&", "||", "==", "!=", "<", "<=", ">", ">="};
        return ops[Pick(21)];
    }

    std::string Expression(int depth) {
        const int choice = depth > 6 ? 0 : Pick(10);
        if (choice < 4) return Number();
        if (choice < 8) {
            // A space keeps a following sign from joining the operator into one bad run.
            return Expression(depth + 1) + Space() + Operator() + " " + Expression(depth + 1);
        }
        if (choice < 9) return "(" + Space() + Expression(depth + 1) + Space() + ")";
        return "-" + Space() + Expression(depth + 1);
    }

    // Breaks an expression: drops, doubles or inserts a character.
    void Damage(std::string& text) {
        static const std::string extra = "()+-*/ 1a.=!$,";
        const size_t at =
            text.empty() ? 0 : static_cast<size_t>(Pick(static_cast<int>(text.size())));
        switch (Pick(3)) {
        case 0:
            if (!text.empty()) text.erase(at, 1);
            break;
        case 1:
            if (!text.empty()) text.insert(at, 1, text[at]);
            break;
        default:
            text.insert(at, 1, extra[static_cast<size_t>(Pick(static_cast<int>(extra.size())))]);
        }
    }

    std::mt19937 rng_;
};

TEST(RectExpression, AgreesWithTheReferenceEvaluator) {
    constexpr int kExpressions = 300000;
    ExpressionGenerator generator(20240611);
    std::map<int, int> codes;
    int mismatches = 0;
    for (int i = 0; i < kExpressions; ++i) {
        const std::string text = generator.Next();
        std::int32_t value = 0;
        const int code = EvaluateExpression(text, &value);
        std::int64_t expected = 0;
        const int expectedCode = kvref::ReferenceEvaluate(text, &expected);
        ++codes[code];
        if (code != expectedCode || (code == kExpressionOk && value != expected)) {
            if (++mismatches <= 10)
                ADD_FAILURE() << text << ": code " << code << " value " << value
                              << ", reference code " << expectedCode << " value " << expected;
        }
    }
    std::printf("%d expressions, %d mismatches; by result code:", kExpressions, mismatches);
    for (auto [code, count] : codes)
        std::printf(" %d: %d", code, count);
    std::printf("\n");
    EXPECT_EQ(mismatches, 0);
}

} // namespace
