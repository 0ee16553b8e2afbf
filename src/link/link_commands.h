#pragma once

#include <string>

#include "base/control_name.h"
#include "base/notices.h"
#include "base/panel.h"
#include "link/link_state.h"

namespace kestrova {

class Link;

struct LinkCommandContext {
    Panel& panel;
    LinkState& state;
    Notices& notices;
    Link& link;
    // The Comm number box takes this control's place (the chart) while it is shown.
    ControlName chart;
};

// Wire this subsystem's buttons, menu entries and box rules into the panels.
void install_link_commands(LinkCommandContext ctx);

// The device of Comm number N (1 = the first): the system's serial port
// /dev/ttyS<N-1>, the numbering DOS-era COM ports map to on Linux.
std::string comm_device(int number);

}  // namespace kestrova
