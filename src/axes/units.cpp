#include "axes/units.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/frame_time.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

constexpr std::string_view no_unit_caption = "pulses";

std::string two_places(double v, std::string_view suffix) {
    char buf[48];
    if (v == 0) v = 0;  // no "-0.00"
    std::snprintf(buf, sizeof buf, "%.2f ", v);
    std::string out = buf;
    if (out == "-0.00 ") out = "0.00 ";
    return out.append(suffix);
}

}  // namespace

bool is_axis_unit(std::string_view unit) {
    return std::find(axis_units.begin(), axis_units.end(), unit) != axis_units.end();
}

std::string next_axis_unit(std::string_view unit) {
    const auto it = std::find(axis_units.begin(), axis_units.end(), unit);
    if (it == axis_units.end() || it + 1 == axis_units.end()) return std::string(axis_units.front());
    return std::string(*(it + 1));
}

std::string unit_caption(std::string_view unit) {
    return std::string(unit.empty() ? no_unit_caption : unit);
}

std::string unit_from_caption(std::string_view caption) {
    return caption != no_unit_caption && is_axis_unit(caption) ? std::string(caption) : std::string();
}

std::string position_in_units(double pulses, double pulses_per_unit, std::string_view unit) {
    if (unit.empty() || pulses_per_unit == 0) return {};
    return two_places(pulses / pulses_per_unit, unit);
}

std::string speed_text(double pulses_per_frame, double pulses_per_unit, std::string_view unit) {
    if (pulses_per_frame == 0) return {};
    if (unit.empty() || pulses_per_unit == 0) return num::to_text(std::round(pulses_per_frame * 100) / 100);
    return two_places(pulses_per_frame / pulses_per_unit * frames_per_second, std::string(unit) + "/s");
}

}  // namespace kestrova
