// The speed each move axis is asked for by the sticks and triggers: a
// deflection beyond the dead zone times the axis's F speed, signed.
#pragma once

#include <array>

#include "axes/axis_settings.h"
#include "move/move_model.h"
#include "pad/pad_input.h"
#include "pad/pad_settings.h"

namespace kestrova {

// Two inputs on one axis add up, to at most full deflection either way.
std::array<double, move_axes> pad_targets(const PadReading& reading, const PadSettings& settings,
                                          const AxisSettings& axes);

}  // namespace kestrova
