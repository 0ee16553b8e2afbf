#include "axes/axis_displays.h"

#include "axes/controls.h"
#include "axes/units.h"

namespace kestrova {

void show_axis_position(Panel& panel, const AxisSettings& axes, std::size_t a, double pulses) {
    panel.show(ctl::position_unit_labels[a], position_in_units(pulses, axes.pp_rev[a], axes.unit[a]));
}

void show_axis_speed(Panel& panel, const AxisSettings& axes, std::size_t a, double pulses_per_frame) {
    panel.show(ctl::axis_speed_boxes[a], speed_text(pulses_per_frame, axes.pp_rev[a], axes.unit[a]));
}

}  // namespace kestrova
