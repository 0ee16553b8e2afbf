#pragma once

#include "app/app_state.h"

namespace kestrova {

// Wire this subsystem's buttons, menu entries and box rules into the panels.
void install_tool_commands(AppState& state);

// "array": write "lookup.bin" into the working directory (an existing longer
// file keeps its tail), then put axis A's present position at 200.
bool write_lookup_bin(AppState& state);
// "make list": write "lookup.txt" into the working directory, replacing it.
bool write_lookup_listing(AppState& state);

}  // namespace kestrova
