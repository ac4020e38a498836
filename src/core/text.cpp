#include "core/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace text {

namespace {

bool isLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool isDigit(unsigned char b) { return b >= '0' && b <= '9'; }
bool isTrail(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE); }

// Clamps a 1-based position or count into the text.
std::size_t clampCount(std::string_view t, std::int64_t n)
{
    if (n <= 0)
        return 0;
    return static_cast<std::uint64_t>(n) >= t.size() ? t.size() : static_cast<std::size_t>(n);
}

bool isFullWidthSpace(std::string_view t, std::size_t at)
{
    return characterSize(t, at) == 2 && static_cast<unsigned char>(t[at]) == 0xA1
        && static_cast<unsigned char>(t[at + 1]) == 0xA1;
}

bool isBlankCharacter(std::string_view t, std::size_t at)
{
    return t[at] == ' ' || isFullWidthSpace(t, at);
}

// Reads the text character by character with the full-width forms mapped to
// ASCII; a character that is not mapped reads as 0x80 or above (never ASCII).
class MappedReader {
public:
    explicit MappedReader(std::string_view t) : t_(t) {}

    bool atEnd() const { return at_ >= t_.size(); }
    unsigned char peek() const
    {
        const std::size_t size = characterSize(t_, at_);
        const auto first = static_cast<unsigned char>(t_[at_]);
        if (size != 2)
            return size == 1 && first < 0x80 ? first : 0x80;
        const auto second = static_cast<unsigned char>(t_[at_ + 1]);
        if (first == 0xA3 && second >= 0xA1)
            return static_cast<unsigned char>(second - 0x80);
        if (first == 0xA1) {
            if (second == 0xA1)
                return ' ';
            if (second == 0xAB)
                return '~';
            if (second == 0xEE || second == 0xEF)
                return '*';
        }
        return 0x80;
    }
    void next() { at_ += characterSize(t_, at_); }

private:
    std::string_view t_;
    std::size_t at_ = 0;
};

bool isSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

} // namespace

std::size_t characterSize(std::string_view t, std::size_t at)
{
    if (at >= t.size())
        return 0;
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[at + k]); };
    if (!isLead(b(0)) || at + 1 >= t.size())
        return 1;
    if (isDigit(b(1)))
        return at + 3 < t.size() && isLead(b(2)) && isDigit(b(3)) ? 4 : 1;
    return isTrail(b(1)) ? 2 : 1;
}

std::int64_t length(std::string_view t) { return static_cast<std::int64_t>(t.size()); }

std::string left(std::string_view t, std::int64_t n) { return std::string(t.substr(0, clampCount(t, n))); }

std::string right(std::string_view t, std::int64_t n)
{
    const std::size_t count = clampCount(t, n);
    return std::string(t.substr(t.size() - count));
}

std::string middle(std::string_view t, std::int64_t p, std::int64_t n)
{
    if (p < 1 || p > length(t) || n <= 0)
        return {};
    return std::string(t.substr(static_cast<std::size_t>(p - 1), clampCount(t, n)));
}

std::int64_t find(std::string_view t, std::string_view s, std::int64_t start)
{
    if (s.empty() || start > length(t))
        return -1;
    const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
    // Character boundaries are only known from the beginning of the text.
    for (std::size_t at = 0; at < t.size() && t.size() - at >= s.size(); at += characterSize(t, at)) {
        if (at >= from && t.compare(at, s.size(), s) == 0)
            return static_cast<std::int64_t>(at) + 1;
    }
    return -1;
}

int compare(std::string_view a, std::string_view b)
{
    const int order = a.compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

std::string trim(std::string_view t)
{
    std::size_t begin = 0;
    while (begin < t.size() && isBlankCharacter(t, begin))
        begin += characterSize(t, begin);
    std::size_t end = begin;
    for (std::size_t at = begin; at < t.size(); at += characterSize(t, at)) {
        if (!isBlankCharacter(t, at))
            end = at + characterSize(t, at);
    }
    return std::string(t.substr(begin, end - begin));
}

std::string blanks(std::int64_t n) { return std::string(n > 0 ? static_cast<std::size_t>(n) : 0, ' '); }

double number(std::string_view t)
{
    MappedReader in(t);
    while (!in.atEnd() && isSpace(in.peek()))
        in.next();

    // The accepted number is copied as plain ASCII for from_chars, which is
    // locale-independent and rounds correctly.
    std::string ascii;
    bool negative = false;
    if (!in.atEnd() && (in.peek() == '+' || in.peek() == '-')) {
        negative = in.peek() == '-';
        in.next();
    }
    // Decimal exponent of the first significant digit, to tell an overflow
    // from an underflow when the value is out of range.
    std::int64_t magnitude = 0;
    bool significant = false;
    bool anyDigit = false;
    for (bool point = false; !in.atEnd(); in.next()) {
        const unsigned char c = in.peek();
        if (c == '.' && !point) {
            point = true;
        } else if (isDigit(c)) {
            anyDigit = true;
            if (c != '0')
                significant = true;
            if (!point && significant)
                ++magnitude;
            else if (point && !significant)
                --magnitude;
        } else {
            break;
        }
        ascii += static_cast<char>(c);
    }
    if (!anyDigit)
        return 0.0;

    // An exponent counts only with digits: "5e" and "5e+" read as 5.
    if (!in.atEnd() && (in.peek() == 'e' || in.peek() == 'E' || in.peek() == 'd' || in.peek() == 'D')) {
        in.next();
        std::string exponent = "e";
        std::int64_t exponentValue = 0;
        if (!in.atEnd() && (in.peek() == '+' || in.peek() == '-')) {
            if (in.peek() == '-')
                exponent += '-';
            in.next();
        }
        bool exponentDigits = false;
        for (; !in.atEnd() && isDigit(in.peek()); in.next()) {
            exponentDigits = true;
            exponent += static_cast<char>(in.peek());
            exponentValue = std::min<std::int64_t>(exponentValue * 10 + (in.peek() - '0'), 1'000'000'000'000);
        }
        if (exponentDigits) {
            ascii += exponent;
            magnitude += exponent[1] == '-' ? -exponentValue : exponentValue;
        }
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

std::string ofReal(double x)
{
    if (std::isnan(x))
        return "nan";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 13);
    std::string out(buffer, result.ptr);
    // Exponents are written with at least three digits, as the program always showed them.
    const std::size_t e = out.find('e');
    if (e != std::string::npos) {
        const std::size_t digits = out.size() - (e + 2);
        if (digits < 3)
            out.insert(e + 2, 3 - digits, '0');
    }
    return out;
}

std::string ofWhole(std::int64_t i) { return std::to_string(i); }

bool equal(double a, double b) { return std::fabs(a - b) <= 1e-7; }
bool greater(double a, double b) { return a - b > 1e-7; }
bool less(double a, double b) { return a - b < -1e-7; }

std::int32_t toWhole(double x)
{
    // Out of the 64-bit range (and NaN) the processor's conversion gives the
    // "integer indefinite" 0x8000000000000000, whose low 32 bits are 0.
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (!(x > -limit && x < limit))
        return 0;
    const auto whole = static_cast<std::uint64_t>(static_cast<std::int64_t>(x));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(whole));
}

void Random::seed(std::uint32_t tickMs)
{
    const std::uint32_t seedValue = tickMs + counter_;
    state_ = seedValue;
    counter_ += seedValue % 256 + 100;
}

std::int32_t Random::between(std::int32_t a, std::int32_t b)
{
    std::int32_t lo = std::max(0, a);
    std::int32_t hi = std::max(0, b);
    if (lo > hi)
        std::swap(lo, hi);
    if (lo == hi)
        return lo;
    const std::int32_t span = std::min(hi - lo, 2147483646);
    state_ = state_ * 214013u + 2531011u;
    const auto r = static_cast<std::int32_t>((state_ >> 16) & 32767u);
    return lo + r % (span + 1);
}

} // namespace text
