#pragma once

#include "axes/axes_context.h"

namespace kestrova {

// Wire this subsystem's buttons, menu entries and box rules into the panels.
void install_axes_commands(const AxesContext& context);

}  // namespace kestrova
