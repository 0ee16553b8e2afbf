// The setup dialog: the axis settings as boxes, read back and checked as a whole.
#pragma once

#include <array>

#include "axes/axis_settings.h"
#include "base/notices.h"
#include "base/panel.h"
#include "base/result.h"

namespace kestrova {

// "Setup": fill the dialog's boxes from the settings and the present positions, and show it.
void open_setup_dialog(Panel& dialog, const AxisSettings& axes, const std::array<double, axis_count>& positions);

// The boxes that nothing reads (the position column and the pulses per unit
// of F..H) take no input.
void make_unused_setup_fields_read_only(Panel& dialog);

// The settings the dialog's boxes hold, or the first value that cannot be
// held: a box that is not one number, pulses per unit of 0, or a value the
// setting rules refuse (axis H's speed, acceleration and maximum are rounded
// to whole numbers first).
Result<AxisSettings> read_setup_dialog(const Panel& dialog, const AxisSettings& current);

// Apply the dialog (the engine does so on the step after "save and exit
// setup"). A refusal changes nothing, says why and opens the dialog again
// with the typed values. Returns whether the settings changed.
bool apply_setup_dialog(Panel& dialog, AxisSettings& axes, Notices& notices);

}  // namespace kestrova
