#pragma once

#include "shell/app_state.h"

namespace kestrova {

// Wire this subsystem's buttons, menu entries and box rules into the panels.
class Link;
void install_link_commands(AppState& state, Link& link);

}  // namespace kestrova
