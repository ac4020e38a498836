#pragma once
// The program's text, number and random rules. Texts are GB18030 byte strings
// (byte-for-byte GBK for GBK characters); lengths count bytes and positions
// count bytes from 1. Nothing here knows about Qt.
#include <cstdint>
#include <string>
#include <string_view>

namespace text {

std::int64_t length(std::string_view t);
// Bytes of the character that starts at byte offset `at` (0-based): 2 for a
// lead byte 0x81-0xFE with a valid trail byte, 4 for a GB18030 four-byte
// sequence, otherwise 1; 0 at or past the end.
std::size_t characterSize(std::string_view t, std::size_t at);
// First / last n bytes: empty for n <= 0, the whole text for n >= length.
std::string left(std::string_view t, std::int64_t n);
std::string right(std::string_view t, std::int64_t n);
// n bytes from position p; empty when p is outside 1..length or n <= 0.
std::string middle(std::string_view t, std::int64_t p, std::int64_t n);
// 1-based position of the first s at or after start, or -1. Steps over whole
// double-byte characters, so it never matches from inside one.
std::int64_t find(std::string_view t, std::string_view s, std::int64_t start = 1);
// Byte-wise; 0 when equal, negative when a sorts first.
int compare(std::string_view a, std::string_view b);
// Without leading and trailing spaces (ASCII and full-width).
std::string trim(std::string_view t);
std::string blanks(std::int64_t n);

// Like C atof after mapping full-width forms to ASCII; 0 when t begins with no number.
double number(std::string_view t);
// "%.13g" with an exponent of at least three digits: 1e+013, 1e-008.
std::string ofReal(double x);
std::string ofWhole(std::int64_t i);

// Reals compare equal within 1e-7.
bool equal(double a, double b);
bool greater(double a, double b);
bool less(double a, double b);

// Truncation toward zero to 64 bits, of which the low 32 are kept.
std::int32_t toWhole(double x);

// The C run time's linear congruential generator, seeded from a millisecond
// tick plus a counter so that two seedings in one tick still differ.
class Random {
public:
    void seed(std::uint32_t tickMs);
    // A whole number from a to b inclusive, after the program's rules.
    std::int32_t between(std::int32_t a, std::int32_t b);

private:
    std::uint32_t state_ = 1;
    std::uint32_t counter_ = 0;
};

} // namespace text
