#include "engine/time_code.h"

#include "base/numeric.h"

namespace kestrova {

namespace {
std::string two_digits(long v) { return (v < 10 ? "0" : "") + std::to_string(v); }
}  // namespace

std::optional<std::string> time_code(double frame) {
    const auto n16 = num::to_int16(frame);
    if (!n16) return std::nullopt;
    const long n = *n16;
    long ff = n, ss = 0, mm = 0;
    if (n >= 25) {
        ss = n / 25;
        ff = n - 25 * ss;
        if (ss > 59) {
            mm = n / 1500;
            ss -= 60 * mm;
        }
    }
    return "00:" + two_digits(mm) + ":" + two_digits(ss) + ":" + two_digits(ff);
}

}  // namespace kestrova
