#include "core/evaluator.h"

#include "core/text.h"

#include <cmath>

// The rules are those of a text rewriter that copies the whole text on every
// pass. Done that way a long pasted expression takes quadratic time, so each
// step here reads the text once, left to right, and gives the same bytes.
// Two facts make that possible:
// - a delimiter ("+", "-", "*", "/") is never part of a multi-byte character,
//   so a byte search for it is the character-aware search, and the character
//   boundaries after a delimiter do not depend on what stands before it;
// - a rewritten value is a number text: it holds no "^", "*" or "/".
// The rules put a "0" before a leading "-" or "+"; that "0" only ever becomes
// a term that is read as a number, as the empty term without it reads as 0,
// so it needs no code here.

namespace calc {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool isDelimiter(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }

std::size_t firstDelimiter(std::string_view t, std::size_t from = 0)
{
    for (std::size_t at = from; at < t.size(); ++at) {
        if (isDelimiter(t[at]))
            return at;
    }
    return npos;
}

// Each pass rewrites the operand around the first "^" byte, from the nearest
// delimiter before it to the nearest after it, as pow(left, right). Passes go
// on while a "^" stands at a character boundary (a "^" can also be the second
// byte of a Chinese character). Rewritten values hold no "^", so that is
// decided once: the passes end with the operand of the last boundary "^".
std::string rewritePowers(std::string_view e)
{
    std::size_t lastCaret = npos;
    for (std::size_t at = 0; at < e.size(); at += text::characterSize(e, at)) {
        if (e[at] == '^')
            lastCaret = at;
    }
    if (lastCaret == npos)
        return std::string(e);

    std::string out;
    out.reserve(e.size());
    std::size_t at = 0;
    while (at <= lastCaret) {
        const std::size_t caret = e.find('^', at);
        std::size_t begin = caret;
        while (begin > at && !isDelimiter(e[begin - 1]))
            --begin;
        std::size_t end = firstDelimiter(e, caret + 1);
        if (end == npos)
            end = e.size();
        out.append(e.substr(at, begin - at));
        out += text::ofReal(std::pow(text::number(e.substr(begin, caret - begin)),
                                     text::number(e.substr(caret + 1, end - caret - 1))));
        at = end;
    }
    out.append(e.substr(at));
    return out;
}

// The working text of the products pass: the unread end of one buffer. A
// product replaces the front of the text by its short value, written into the
// bytes already read, so no pass copies the rest of the text.
class WorkingText {
public:
    explicit WorkingText(std::string_view t) : buffer_(reserve, ' '), start_(reserve) { buffer_.append(t); }

    std::string_view view() const { return std::string_view(buffer_).substr(start_); }

    // The text becomes `with` followed by the text after its first `count` bytes.
    void replaceFront(std::size_t count, std::string_view with)
    {
        start_ += count;
        if (with.size() <= start_) {
            start_ -= with.size();
            buffer_.replace(start_, with.size(), with);
        } else {
            buffer_.replace(0, start_, with);
            start_ = 0;
        }
    }

private:
    // Room in front for a value and a leading "0": a value text is at most 21
    // bytes ("-1.234567890123e-308"), so the copying branch above is not taken.
    static constexpr std::size_t reserve = 32;
    std::string buffer_;
    std::size_t start_;
};

// Adds up the split-off terms as they come: the first term stands as typed,
// each further one is added or subtracted through the 13-digit text.
class Summation {
public:
    void addTerm(std::string_view term)
    {
        if (first_) {
            result_ = term;
            first_ = false;
            return;
        }
        const double left = text::number(result_);
        const double right = text::number(term);
        result_ = text::ofReal(operator_ == '+' ? left + right : left - right);
    }
    void setOperator(char c) { operator_ = c; }
    std::string take() { return std::move(result_); }

private:
    std::string result_;
    bool first_ = true;
    char operator_ = '+';
};

} // namespace

Evaluation evaluate(std::string_view expression)
{
    WorkingText work(rewritePowers(expression));

    Summation sum;
    while (firstDelimiter(work.view()) != npos) {
        const std::string_view e = work.view();
        const std::size_t i = firstDelimiter(e);
        const char c = e[i];
        if (c == '+' || c == '-') {
            sum.addTerm(e.substr(0, i));
            sum.setOperator(c);
            work.replaceFront(i + 1, {});
            continue;
        }
        std::size_t end = firstDelimiter(e, i + 1);
        if (end == npos)
            end = e.size();
        const double left = text::number(e.substr(0, i));
        const double right = text::number(e.substr(i + 1, end - i - 1));
        if (c == '/' && std::fabs(right) <= 0.0000001)
            return {std::string(), true};
        work.replaceFront(end, text::ofReal(c == '*' ? left * right : left / right));
    }
    sum.addTerm(work.view());
    return {sum.take(), false};
}

} // namespace calc
