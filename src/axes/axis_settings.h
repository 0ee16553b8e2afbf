// Per-axis configuration of the eight axes A..H (index 0..7).
#pragma once

#include <array>
#include <string>

namespace kestrova {

inline constexpr int axis_count = 8;
inline constexpr int enable_axes = 7;  // the enable toggles exist for A..G
inline constexpr int jog_axes = 5;     // A..E have F keys

struct AxisSettings {
    std::array<double, axis_count> pp_rev{};  // pulses per unit shown
    std::array<double, axis_count> mSpeed{};  // maximum speed, pulses per frame
    std::array<double, axis_count> acc{};     // acceleration, pulses per frame per frame
    std::array<double, axis_count> min{};     // lowest allowed position
    std::array<double, axis_count> max{};     // highest allowed position
    std::array<double, axis_count> FSpeed{};  // top F-key jog speed
    std::array<bool, axis_count> ena{};       // enable toggles (A..G used)
    std::array<bool, axis_count> rev{};       // reverse toggles
    // The unit a position is shown in ("°", "mm" or empty for pulses); one
    // unit is pp_rev pulses.
    std::array<std::string, axis_count> unit{};

    // The start values the program has before any setup file is read.
    static AxisSettings defaults() {
        AxisSettings s;
        for (int i = 0; i < axis_count; ++i) {
            s.pp_rev[i] = 1;
            s.mSpeed[i] = 101 + i;
            s.acc[i] = 10 + i;
            s.min[i] = -50000;
            s.max[i] = 50000;
            s.FSpeed[i] = 0;
        }
        return s;
    }
};

inline constexpr std::array<const char*, axis_count> default_axis_names = {
    "", "Tilt", "Track", "Focus", "Lens2", "Spare1", "Spare2", "Spare3"};

// Positions of the axis are shown in its unit: it has one, and pulses per unit to go with it.
inline bool shown_in_units(const AxisSettings& axes, int axis) {
    const auto a = static_cast<std::size_t>(axis);
    return !axes.unit[a].empty() && axes.pp_rev[a] != 0;
}

// The axis names as their boxes hold them, kept by the boxes' reading (axes_commands.cpp).
using AxisNames = std::array<std::string, axis_count>;

}  // namespace kestrova
