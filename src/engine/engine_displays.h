// How the engine shows positions, frames and time on the window. These are
// the program's own figures: they never run the boxes' input rules.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "axes/axis_settings.h"
#include "base/panel.h"
#include "move/move_model.h"

namespace kestrova {

using HScrollValue = std::optional<std::int16_t>;

// The scroll bar's position for `frame` of `total`: CInt(frame / total * max);
// nothing when `total` is 0 or the value does not fit.
HScrollValue scroll_value(double frame, double total, int max);

// The position box of axis `a` shows Int(p / pulses per unit).
void show_position(Panel& panel, const AxisSettings& axes, int a, double p);
// ... or Int(p \ pulses per unit), the integer division, during a positioning move.
void show_position_whole_div(Panel& panel, const AxisSettings& axes, int a, double p);
// ... or a text as it stands (zeroed, or put back by the limit rule).
void show_position_text(Panel& panel, int a, std::string text);

// The position box of axis `a` keeps its value by `reading` and checks what
// the operator types by `rule`.
void keep_position_box(Panel& panel, int a, Panel::Reading reading, Panel::Rule rule);

// What the unit read-outs and the Speed column last showed, so that a step
// writes only what changed (a still rig costs a few compares).
struct ShownMotion {
    std::array<double, move_axes> position{};
    std::array<double, move_axes> speed{};
    std::array<double, move_axes> pulses_per_unit{};
    std::array<std::string, move_axes> unit{};
};

// The move axes at `position` (what the rig was told this step): their read-outs in units, and their
// speed as the step from the position shown last.
void show_motion(Panel& panel, const AxisSettings& axes, const std::array<double, move_axes>& position,
                 ShownMotion& shown);

// The frame bar's position, and the page the go-to-frame target lies on.
void show_frame_bar(Panel& panel, int value);
void show_page_number(Panel& panel, double page);

}  // namespace kestrova
