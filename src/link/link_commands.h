#pragma once

#include <string>

#include "app/app_state.h"

namespace kestrova {

class Link;

// Wire this subsystem's buttons, menu entries and box rules into the panels.
void install_link_commands(AppState& state, Link& link);

// The device of Comm number N (1 = the first): the system's serial port
// /dev/ttyS<N-1>, the numbering DOS-era COM ports map to on Linux.
std::string comm_device(int number);

}  // namespace kestrova
