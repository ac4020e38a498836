#pragma once
// The pocket calculator's evaluator: "+", "-", "*", "/" and "^" on a byte text,
// by the program's rewriting rules (powers first, one per pass; then products
// and quotients left to right while sums are split off; the sum last), with
// every intermediate value rounded through its 13-digit text.
#include <string>
#include <string_view>

namespace calc {

struct Evaluation {
    std::string text;           // empty after a division error
    bool divisionError = false; // a divisor of magnitude 1e-7 or less; the caller tells the user
};

// Linear in the length of the expression.
Evaluation evaluate(std::string_view expression);

} // namespace calc
