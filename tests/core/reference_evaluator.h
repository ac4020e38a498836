#pragma once
// The calculator's rewriting rules done literally, pass by pass on a copy of
// the whole text, with nothing but the text rules. Slow on purpose: the real
// evaluator must give the same bytes on every input.
#include "core/evaluator.h"
#include "core/text.h"

#include <cmath>
#include <string>
#include <vector>

namespace reference {

inline bool isDelimiter(const std::string& c) { return c == "+" || c == "-" || c == "*" || c == "/"; }

inline void applyLeadingSign(std::string& e)
{
    if (text::left(e, 1) == "-")
        e = "0" + e;
    if (text::left(e, 1) == "+")
        e = "0" + e;
}

// Cuts the right operand at its first delimiter; returns the suffix from there.
inline std::string cutSuffix(std::string& right)
{
    const std::int64_t n = text::length(right);
    for (std::int64_t j = 1; j <= n; ++j) {
        if (isDelimiter(text::middle(right, j, 1))) {
            std::string suffix = text::right(right, n - j + 1);
            right = text::left(right, j - 1);
            return suffix;
        }
    }
    return {};
}

inline calc::Evaluation evaluate(const std::string& expression)
{
    std::string e = expression;
    std::vector<std::string> terms;
    std::vector<std::string> operators;
    applyLeadingSign(e);

    while (text::find(e, "^", 1) != -1) {
        const std::int64_t n = text::length(e);
        std::int64_t i = 1;
        while (text::middle(e, i, 1) != "^")
            ++i;
        std::string left = text::left(e, i - 1);
        std::string right = text::right(e, n - i);
        std::string prefix;
        for (std::int64_t j = text::length(left); j >= 1; --j) {
            if (isDelimiter(text::middle(left, j, 1))) {
                prefix = text::left(left, j);
                left = text::right(left, text::length(left) - j);
                break;
            }
        }
        const std::string suffix = cutSuffix(right);
        e = prefix + text::ofReal(std::pow(text::number(left), text::number(right))) + suffix;
    }

    while (text::find(e, "+", 1) != -1 || text::find(e, "-", 1) != -1 || text::find(e, "*", 1) != -1
           || text::find(e, "/", 1) != -1) {
        applyLeadingSign(e);
        const std::int64_t n = text::length(e);
        std::int64_t i = 1;
        while (!isDelimiter(text::middle(e, i, 1)))
            ++i;
        const std::string c = text::middle(e, i, 1);
        if (c == "+" || c == "-") {
            terms.push_back(text::left(e, i - 1));
            operators.push_back(c);
            e = text::right(e, n - i);
            continue;
        }
        const std::string left = text::left(e, i - 1);
        std::string right = text::right(e, n - i);
        const std::string suffix = cutSuffix(right);
        if (c == "*") {
            e = text::ofReal(text::number(left) * text::number(right)) + suffix;
        } else {
            if (std::fabs(text::number(right)) <= 0.0000001)
                return {std::string(), true};
            e = text::ofReal(text::number(left) / text::number(right)) + suffix;
        }
    }

    terms.push_back(e);
    std::string result = terms[0];
    for (std::size_t k = 0; k < operators.size(); ++k) {
        const double term = text::number(terms[k + 1]);
        result = text::ofReal(operators[k] == "+" ? text::number(result) + term : text::number(result) - term);
    }
    return {result, false};
}

} // namespace reference
