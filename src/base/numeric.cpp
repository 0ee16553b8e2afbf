#include "base/numeric.h"

#include <cctype>
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace kestrova::num {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest numeric prefix starting at `pos`; 0 when none.
std::size_t numeric_span(std::string_view t, std::size_t pos) {
    std::size_t i = pos;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && is_digit(t[i])) { ++i; ++digits; }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && is_digit(t[i])) { ++i; ++digits; }
    }
    if (digits == 0) return 0;
    // An exponent only counts when it has digits.
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        std::size_t exp_digits = 0;
        while (j < t.size() && is_digit(t[j])) { ++j; ++exp_digits; }
        if (exp_digits > 0) i = j;
    }
    return i - pos;
}

// A sign and at most 15 digits, nothing else; its value (-0 for "-0").
std::optional<double> small_whole_number(std::string_view t) {
    const bool negative = !t.empty() && t[0] == '-';
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) t.remove_prefix(1);
    if (t.empty() || t.size() > 15) return std::nullopt;
    std::int64_t n = 0;
    for (char c : t) {
        if (!is_digit(c)) return std::nullopt;
        n = n * 10 + (c - '0');
    }
    const double v = static_cast<double>(n);
    return negative ? -v : v;
}

}  // namespace

Reading read_prefix(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && is_blank(text[pos])) ++pos;
    const std::size_t len = numeric_span(text, pos);
    Reading r;
    if (len == 0) return r;
    r.found = true;
    // Shown positions and frames are plain whole numbers, read on every
    // frame: those need no strtod (exact below 10^15).
    if (const auto whole = small_whole_number(text.substr(pos, len))) {
        r.value = *whole;
        return r;
    }
    const std::string number(text.substr(pos, len));
    errno = 0;
    const double v = std::strtod(number.c_str(), nullptr);
    if (std::isinf(v) || (errno == ERANGE && std::fabs(v) > 1.0)) {
        r.overflow = true;
        return r;
    }
    r.value = v;
    return r;
}

double val(std::string_view text) { return read_prefix(text).value; }

std::optional<double> whole_number(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && is_blank(text[begin])) ++begin;
    while (end > begin && is_blank(text[end - 1])) --end;
    const std::string_view core = text.substr(begin, end - begin);
    if (core.empty() || numeric_span(core, 0) != core.size()) return std::nullopt;
    const Reading r = read_prefix(core);
    if (!r.found || r.overflow) return std::nullopt;
    return r.value;
}

double round_half_even(double x) {
    if (!std::isfinite(x)) return x;
    return std::nearbyint(x);  // the default rounding mode is to nearest, ties to even
}

double int_floor(double x) { return std::floor(x); }

std::optional<std::int16_t> to_int16(double x) {
    const double r = round_half_even(x);
    if (!(r >= -32768.0 && r <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> to_int32(double x) {
    const double r = round_half_even(x);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::optional<std::int64_t> int_div(double a, double b) {
    const auto ra = to_int32(a);
    const auto rb = to_int32(b);
    if (!ra || !rb || *rb == 0) return std::nullopt;
    return static_cast<std::int64_t>(*ra) / *rb;
}

std::string to_text(double x) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x > 0 ? "Inf" : "-Inf";
    if (x == 0.0) return "0";
    if (x == std::trunc(x) && std::fabs(x) < 1e15) {
        // Exact as a 64-bit integer; to_chars is many times faster than printf.
        char buf[24];
        const auto end = std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(x)).ptr;
        return std::string(buf, end);
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15G", x);
    std::string s(buf);
    // Drop trailing zeros of the fraction, keeping any exponent.
    const auto e = s.find('E');
    std::string mantissa = s.substr(0, e);
    std::string exponent = e == std::string::npos ? "" : s.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + exponent;
}

}  // namespace kestrova::num
