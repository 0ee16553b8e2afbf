// The rules every axis setting obeys wherever it comes from: the setup dialog,
// the setup file, Save Setup and the F speed boxes. One broken rule refuses
// the whole set; the message names the axis and the field.
#pragma once

#include <cstdint>

#include "axes/axis_settings.h"
#include "base/result.h"

namespace kestrova {

// Positions the controller can take (24-bit two's complement).
inline constexpr std::int32_t controller_min = -8388608;
inline constexpr std::int32_t controller_max = 8388607;
// Speeds and accelerations, pulses per frame: a ramp needs at least one, and
// the setup file holds them as 16-bit numbers.
inline constexpr double lowest_speed = 1;
inline constexpr double highest_speed = 32767;

Result<> check_speed(int axis, double max_speed);
Result<> check_acceleration(int axis, double acceleration);
// An F-key jog speed: 0 (no jogging) up to the axis's maximum speed.
Result<> check_fspeed(int axis, double fspeed, double max_speed);
// The F speed an axis starts with when no setup file gives one: a quarter of
// its maximum speed, whole, at least 1, so that the F keys move every axis
// gently from the first start.
double starting_fspeed(double max_speed);
// Both limits within the controller's range, the minimum not above the maximum.
Result<> check_limits(int axis, double min, double max);

// Every rule above for axes A..H in turn; the first broken one.
Result<> check_settings(const AxisSettings& settings);

}  // namespace kestrova
