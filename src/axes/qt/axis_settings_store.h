// Pulses per unit and the enable and reverse toggles kept in the program's
// settings (beside the gamepad's), restored at start and written at each change.
#pragma once

#include <functional>

#include "axes/axes_context.h"

namespace kestrova {

// Restores them into the context's settings and buttons, and sets `changed`
// to write them.
void keep_axis_settings(const AxesContext& context, std::function<void()>& changed);

}  // namespace kestrova
