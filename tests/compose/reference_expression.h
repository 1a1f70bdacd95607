// A second, independent evaluator of rect expressions for differential tests: it evaluates
// while parsing, holds values in 64 bits and checks the 32-bit range after every step.
#pragma once
#include <cstdint>
#include <string>

namespace kvref {

// Same result codes as EvaluateExpression.
int ReferenceEvaluate(const std::string& text, std::int64_t* value);

} // namespace kvref
