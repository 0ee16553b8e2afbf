#pragma once

#include "app/app_state.h"

namespace kestrova {

// Wire this subsystem's buttons, menu entries and box rules into the panels.
void install_shaping_commands(AppState& state);

}  // namespace kestrova
