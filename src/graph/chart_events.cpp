#include "graph/chart_events.h"

#include <algorithm>
#include <cmath>

#include "base/numeric.h"

namespace kestrova {

std::string line_name(const AxisNames& names, int line) {
    const std::string& name = names[static_cast<std::size_t>(line)];
    if (name.find_first_not_of(' ') == std::string::npos) return std::string(1, static_cast<char>('A' + line));
    return name;
}

void chart_pointer(const GraphContext& c, const PlotRect& plot, ValueRange frames, ValueRange values, float x,
                   float y, int buttons) {
    c.panel.show(c.readout_box, pointer_readout(plot, frames, values, x, y, buttons));
}

void chart_point_selected(const GraphContext& c, int line, int frame) {
    GraphState& g = c.graph;
    if (line < 0 || line >= chart_lines) return;
    const auto& values = g.series[static_cast<std::size_t>(line)];
    if (frame < 1 || frame > static_cast<int>(values.size())) return;
    g.selected_column = line + 1;
    g.selected_row = frame;
    const std::string label = line_name(c.axis_names, line) + ", frame " + num::to_text(frame);
    MessageBoxRequest box;
    box.text = label + "\r\n" + num::to_text(values[static_cast<std::size_t>(frame - 1)]);
    c.notices.box = std::move(box);
}

void chart_selected(const GraphContext& c) {
    // Told again even when it already shows them, as a fresh selection.
    c.panel.show(c.readout_box, num::to_text(c.graph.selected_column) + " " + num::to_text(c.graph.selected_row));
    c.panel.announce(c.readout_box);
}

void zoom_frames(GraphState& g, double a, double b) {
    if (!(std::fabs(b - a) >= 1)) return;  // less than a frame wide: a click, not a zoom
    const int rows = static_cast<int>(g.series[0].size());
    const int first = std::clamp(static_cast<int>(std::floor(std::min(a, b))), 1, std::max(rows, 1));
    const int last = std::clamp(static_cast<int>(std::ceil(std::max(a, b))), 1, std::max(rows, 1));
    if (last - first < 1) return;
    g.zoom_first = first;
    g.zoom_last = last;
}

void zoom_reset(GraphState& g) {
    g.zoom_first = 0;
    g.zoom_last = 0;
}

}  // namespace kestrova
