#pragma once

#include "shell/app_state.h"

namespace kestrova {

// Redraw the chart from the current table (position or, in speed mode, the
// speed table as last built).
void draw_graph(AppState& state);
// Set the mode caption, rebuild the speed table in speed mode, then draw.
void refresh_graph(AppState& state);

}  // namespace kestrova
