// The read-outs the axis rows show in the operator's units: the position
// beside each position box and the present speed in the Speed column.
#pragma once

#include <cstddef>

#include "axes/axis_settings.h"
#include "base/panel.h"

namespace kestrova {

// Axis `a` (A..E) at `pulses` stepping `pulses_per_frame` this frame.
void show_axis_position(Panel& panel, const AxisSettings& axes, std::size_t a, double pulses);
void show_axis_speed(Panel& panel, const AxisSettings& axes, std::size_t a, double pulses_per_frame);

}  // namespace kestrova
