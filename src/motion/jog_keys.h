// The function keys that jog axes A..E while the F-key box "enable" has the
// keyboard focus, the enable/disable buttons and the position boxes' limits.
#pragma once

#include <string>

#include "app/app_state.h"

namespace kestrova {

inline constexpr int first_fkey_code = 112;  // F1; F10 is 121
inline constexpr int f10_code = 121;

void enable_fkeys(AppState& state);   // "enable F keys"
void disable_fkeys_pressed(AppState& state);

// Key events of the box "enable". Auto-repeats are ignored (a held key on X11
// repeats as release/press pairs). key_down returns true when the key must be
// consumed (F10, so the menu bar never opens).
bool fkey_down(AppState& state, int code, bool auto_repeat);
void fkey_up(AppState& state, int code, bool auto_repeat);
// The box lost the focus or the window was deactivated: no release can reach
// it any more, so every held key counts as released and its axis coasts down.
void release_all_fkeys(AppState& state);

// Pulses per unit shown in the position box of a move axis (1 when unset).
double position_scale(const AppState& state, int axis);
// Change rule of posA..posE: a value outside the axis's limits becomes "0".
void position_box_rule(AppState& state, int axis, const std::string& text);

}  // namespace kestrova
