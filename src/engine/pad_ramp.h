// One step of gamepad jogging: each move axis's speed follows its target by at
// most the axis's acceleration, within its F speed and maximum speed, and the
// axis moves by that speed. An axis held at a soft limit stands still there.
#pragma once

#include <array>

#include "axes/axis_settings.h"
#include "engine/engine_state.h"

namespace kestrova {

// Returns which move axes the pad moved. Axes an F key drives (held or
// coasting) are left to the key.
std::array<bool, move_axes> pad_ramp_step(JogState& jog, const AxisSettings& axes,
                                          std::array<double, axis_count>& curpos);

// Play-back or a positioning move has the rig: the pad lets go at once.
void pad_let_go(PadJog& pad);

}  // namespace kestrova
