#pragma once

#include "graph/graph_context.h"

namespace kestrova {

// Wire this subsystem's buttons, menu entries and box rules into the panels.
void install_graph_commands(const GraphContext& context);

}  // namespace kestrova
