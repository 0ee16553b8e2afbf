#include "graph/move_graph.h"

namespace kestrova {

void draw_graph(AppState& state) { ++state.graph.revision; }
void refresh_graph(AppState& state) { draw_graph(state); }

}  // namespace kestrova
