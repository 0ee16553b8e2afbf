// The setup dialog: the axis settings as boxes, read back and checked as a whole.
#pragma once

#include <array>
#include <optional>

#include "axes/axes_context.h"
#include "axes/axis_settings.h"
#include "base/panel.h"
#include "base/result.h"

namespace kestrova {

// "Setup": fill the dialog's boxes from the settings, the axis names and the
// present positions, and show it. After a refusal the dialog keeps what was
// typed instead (the refused box still marked) until an apply succeeds or
// "exit setup" drops the edits.
void open_setup_dialog(const AxesContext& context);

// The boxes that nothing reads (the position column and the pulses per unit
// of F..H) take no input.
void make_unused_setup_fields_read_only(Panel& dialog);

// What the dialog's boxes hold: the settings, or the first value that cannot
// be held (a box that is not one number, pulses per unit of 0, or a value the
// setting rules refuse; axis H's speed, acceleration and maximum are rounded
// to whole numbers first) with the box that holds it.
struct SetupReading {
    Result<AxisSettings> settings;
    std::optional<ControlName> refused_box;
};
SetupReading read_setup_dialog(const Panel& dialog, const AxisSettings& current);

// A unit button shows the next unit (none, "°", "mm"); taken on apply like the boxes.
void cycle_setup_unit(Panel& dialog, std::size_t axis);

// Apply the dialog (the engine does so on the step after "save and exit
// setup"): the settings and the axis names. A refusal applies nothing, names
// the box, marks it light red and opens the dialog again with everything that
// was typed. Returns whether the settings were applied.
bool apply_setup_dialog(const AxesContext& context);

// A marked box whose text now passes loses its mark.
void recheck_marked_setup_box(const AxesContext& context, ControlName box);

// Every box the dialog reads, for marking and clearing.
void for_each_setup_box(const std::function<void(ControlName)>& visit);

}  // namespace kestrova
