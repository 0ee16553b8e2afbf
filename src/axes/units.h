// The units an operator reads positions and speeds in: each axis may name a
// unit ("°" or "mm"), one unit being its pulses per unit.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kestrova {

// The units an axis can be given; the empty one shows pulses.
inline constexpr std::array<std::string_view, 3> axis_units = {"", "°", "mm"};

bool is_axis_unit(std::string_view unit);
// The unit after `unit` in the list, round to the first again.
std::string next_axis_unit(std::string_view unit);
// The unit as its button shows it ("pulses" for none).
std::string unit_caption(std::string_view unit);
// ... and back; nothing known reads as none.
std::string unit_from_caption(std::string_view caption);

// "12.50 °": a pulse position in units, empty without a unit (or with 0
// pulses per unit, which the dialog refuses).
std::string position_in_units(double pulses, double pulses_per_unit, std::string_view unit);

// The speed of one frame's step: units per second ("2.50 °/s") with a unit,
// else pulses per frame ("4"); empty when the axis stands still.
std::string speed_text(double pulses_per_frame, double pulses_per_unit, std::string_view unit);

}  // namespace kestrova
