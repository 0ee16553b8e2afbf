// Texts of the move check.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

#include "base/numeric.h"

namespace kestrova::check_msg {

inline const std::string ok = "Move check: OK";

inline std::string frames(int first, int last) {
    return first == last ? "at frame " + std::to_string(first)
                         : "at frames " + std::to_string(first) + "-" + std::to_string(last);
}

// A ratio rounded up to one decimal, so that a broken limit never reads "1.0 x".
inline std::string times(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", std::ceil(ratio * 10 - 1e-6) / 10);
    return text;
}

inline std::string axis(const std::string& name) { return "axis " + name + ": "; }

inline std::string position_limit(const std::string& name, double worst, double limit, int first, int last) {
    const double shown = worst > limit ? std::ceil(worst) : std::floor(worst);
    return axis(name) + "position " + num::to_text(shown) + " beyond the limit " + num::to_text(limit) + " " +
           frames(first, last);
}

inline std::string speed(const std::string& name, double ratio, int first, int last) {
    if (!std::isfinite(ratio)) return axis(name) + "moves with a max speed of 0 " + frames(first, last);
    return axis(name) + times(ratio) + " x max speed " + frames(first, last);
}

inline std::string acceleration(const std::string& name, double ratio, int first, int last) {
    if (!std::isfinite(ratio)) return axis(name) + "changes speed with an acceleration of 0 " + frames(first, last);
    return axis(name) + times(ratio) + " x acceleration " + frames(first, last);
}

inline std::string more(std::size_t count) {
    return count == 1 ? " (and 1 more)" : " (and " + std::to_string(count) + " more)";
}

inline const std::string play_anyway_title = "Move check";

// The question before playing a move that breaks a position limit or the maximum speed.
inline std::string play_anyway(const std::string& summary) { return summary + "\nPlay anyway?"; }

}  // namespace kestrova::check_msg
