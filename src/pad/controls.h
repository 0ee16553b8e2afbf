// The controls the gamepad owns: its section of the setup dialog.
#pragma once

#include <array>
#include <span>

#include "base/control_name.h"

namespace kestrova::ctl {

inline constexpr ControlName pad_group{"padGroup"};
// One row per stick and trigger, in the order of PadStick.
inline constexpr ControlFamily<6> pad_stick_labels{ControlName{"padLabelLX"}, ControlName{"padLabelLY"},
                                                   ControlName{"padLabelRX"}, ControlName{"padLabelRY"},
                                                   ControlName{"padLabelLT"}, ControlName{"padLabelRT"}};
inline constexpr ControlFamily<6> pad_axis_buttons{ControlName{"padAxisLX"}, ControlName{"padAxisLY"},
                                                   ControlName{"padAxisRX"}, ControlName{"padAxisRY"},
                                                   ControlName{"padAxisLT"}, ControlName{"padAxisRT"}};
inline constexpr ControlFamily<6> pad_invert_buttons{ControlName{"padInvLX"}, ControlName{"padInvLY"},
                                                     ControlName{"padInvRX"}, ControlName{"padInvRY"},
                                                     ControlName{"padInvLT"}, ControlName{"padInvRT"}};
inline constexpr ControlName pad_dead_zone_label{"padDeadZoneLabel"};
inline constexpr ControlName pad_dead_zone_box{"padDeadZone"};
inline constexpr ControlName pad_step_label{"padStepLabel"};
inline constexpr ControlName pad_step_box{"padStep"};
inline constexpr ControlName pad_dead_man_label{"padDeadManLabel"};
inline constexpr ControlName pad_dead_man_button{"padDeadMan"};

inline constexpr std::array pad_setup_dialog_controls = {pad_group,      pad_dead_zone_label, pad_dead_zone_box,
                                                         pad_step_label, pad_step_box,        pad_dead_man_label,
                                                         pad_dead_man_button};
inline constexpr std::array<std::span<const ControlName>, 3> pad_setup_dialog_families = {
    pad_stick_labels, pad_axis_buttons, pad_invert_buttons};

}  // namespace kestrova::ctl
