// The function keys that jog axes A..E while the F-key box "enable" has the
// keyboard focus, the enable/disable buttons and the position boxes' limits.
#pragma once

#include <string>

#include "axes/axis_settings.h"
#include "base/notices.h"
#include "base/panel.h"
#include "engine/engine_state.h"
#include "motion/motion_state.h"

namespace kestrova {

inline constexpr int first_fkey_code = 112;  // F1; F10 is 121
inline constexpr int f10_code = 121;

// "enable F keys": the status box, the focus, jog speeds of 1 and the F speeds
// from their boxes; names the axes whose F speed is 0.
void enable_fkeys(Panel& panel, Notices& notices, JogState& jog, AxisSettings& axes, const MotionEntries& entries);

// Key events of the box "enable". Auto-repeats are ignored (a held key on X11
// repeats as release/press pairs). key_down returns true when the key must be
// consumed (F10, so the menu bar never opens).
bool fkey_down(JogState& jog, int code, bool auto_repeat);
void fkey_up(JogState& jog, int code, bool auto_repeat);
// The box lost the focus or the window was deactivated: no release can reach
// it any more, so every held key counts as released and its axis coasts down.
void release_all_fkeys(JogState& jog);

// Change rule of the F speed boxes SpeedA..SpeedE: a speed the axis setting
// rules refuse (below 0 or above the axis's maximum speed) is refused with
// their message and the box shows `accepted`, the last speed it took, again.
void fspeed_box_rule(Panel& panel, Notices& notices, const AxisSettings& axes, int axis, const std::string& text,
                     std::string& accepted);

// Pulses per unit shown in the position box of a move axis (1 when unset).
double position_scale(const AxisSettings& axes, int axis);
// Change rule of posA..posE: a value outside the axis's limits is refused and
// the box shows what it held before (`present`, in pulses, when that was outside too).
void position_box_rule(Panel& panel, Notices& notices, const AxisSettings& axes, double present, int axis,
                       const std::string& text);

}  // namespace kestrova
