// The numeric rules every part of the program shares: how a box's text is read
// as a number, how numbers are rounded and narrowed, and how they are written
// back as text. Nothing else in the program re-implements these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrova::num {

// Result of reading the leading number of a text.
struct Reading {
    double value = 0.0;   // 0 when there is no number or it overflows
    bool found = false;   // a number was found at the start of the text
    bool overflow = false;  // the number is beyond the range of a double
};

// Decimal-prefix reading: leading blanks, an optional sign, digits with at
// most one decimal point, an optional exponent. The rest of the text is ignored.
Reading read_prefix(std::string_view text);

// The value of read_prefix; 0 when there is no number or it overflows.
double val(std::string_view text);

// The whole text as a number (blanks around it allowed); nothing when the text
// is empty, has anything besides one number, or overflows.
std::optional<double> whole_number(std::string_view text);

// Round to the nearest whole number, halves to the even neighbour.
double round_half_even(double x);

// Int: round down.
double int_floor(double x);

// 16- and 32-bit conversion: round half to even; nothing on overflow or NaN.
std::optional<std::int16_t> to_int16(double x);
std::optional<std::int32_t> to_int32(double x);

// Integer division a \ b: both operands rounded half to even, the quotient
// truncated towards zero. Nothing when b rounds to 0 or an operand is too large.
std::optional<std::int64_t> int_div(double a, double b);

// A number written as the program shows it in a box: whole numbers without a
// decimal point, others with up to 15 significant digits.
std::string to_text(double x);

}  // namespace kestrova::num
