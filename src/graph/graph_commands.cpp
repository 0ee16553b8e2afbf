#include "graph/graph_commands.h"

#include "graph/controls.h"
#include "graph/move_graph.h"

namespace kestrova {

void install_graph_commands(const GraphContext& c) {
    c.panel.on_press(ctl::redraw_chart_button, [c] { draw_graph(c); });
    c.panel.on_press(ctl::speed_mode_button, [c] { toggle_speed_mode(c); });
    for (int i = 0; i < axis_count; ++i)
        c.panel.on_press(ctl::show_axis_buttons[static_cast<std::size_t>(i)], [c, i] { toggle_axis(c, i); });
    c.panel.on_press(ctl::bezier_samples_button, [c] { show_bezier_samples(c); });
}

}  // namespace kestrova
