// How the engine shows positions, frames and time on the window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/app_state.h"

namespace kestrova {

using HScrollValue = std::optional<std::int16_t>;

// The scroll bar's position for `frame` of `total`: CInt(frame / total * max);
// nothing when `total` is 0 or the value does not fit.
HScrollValue scroll_value(double frame, double total, int max);

// The position box of axis `a` shows Int(p / pulses per unit).
void show_position(AppState& s, int a, double p);

}  // namespace kestrova
