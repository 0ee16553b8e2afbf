#include "graph/graph_commands.h"

#include <string>

#include "graph/move_graph.h"

namespace kestrova {

void install_graph_commands(AppState& state) {
    Panel& p = state.panel;
    p.on_press("dograph", [&state] { draw_graph(state); });
    p.on_press("showspeed", [&state] { toggle_speed_mode(state); });
    for (int i = 0; i < axis_count; ++i)
        p.on_press("Command19_" + std::to_string(i), [&state, i] { toggle_axis(state, i); });
    p.on_press("Command13", [&state] { show_bezier_samples(state); });
}

}  // namespace kestrova
