#include "graph/chart_events.h"

#include <algorithm>
#include <cmath>

#include "base/numeric.h"
#include "graph/messages.h"

#include <cstdio>

namespace kestrova {

std::string line_name(const AxisNames& names, int line) {
    const std::string& name = names[static_cast<std::size_t>(line)];
    if (name.find_first_not_of(' ') == std::string::npos) return std::string(1, static_cast<char>('A' + line));
    return name;
}

std::string line_unit(const GraphContext& c, int line) {
    const std::string& unit = c.axes.unit[static_cast<std::size_t>(line)];
    const std::string shown = unit.empty() ? graph_msg::pulses : unit;
    switch (c.graph.quantity) {
        case GraphState::Quantity::speed:
            return shown + graph_msg::per_second;
        case GraphState::Quantity::acceleration:
            return shown + graph_msg::per_second2;
        case GraphState::Quantity::position:
            break;
    }
    return shown + (c.graph.speedmode ? graph_msg::per_frame : "");
}

std::string legend_name(const GraphContext& c, int line) {
    return line_name(c.axis_names, line) + " (" + line_unit(c, line) + ")";
}

std::string point_text(const GraphContext& c, int line, int frame) {
    const auto i = static_cast<std::size_t>(line);
    const auto& values = c.graph.series[i];
    if (line < 0 || line >= chart_lines || frame < 1 || frame > static_cast<int>(values.size())) return {};
    double value = values[static_cast<std::size_t>(frame - 1)];
    // A unit is pp_rev pulses; without a unit the value stays in pulses. The
    // speed and acceleration lines are in units already.
    if (c.graph.quantity == GraphState::Quantity::position && shown_in_units(c.axes, line)) value /= c.axes.pp_rev[i];
    const int hundredths = static_cast<int>(std::lround(seconds_of(frame) * 100));
    char text[160];
    std::snprintf(text, sizeof text, "frame %d, %d:%02d.%02d s, %s: %.2f %s", frame, hundredths / 6000,
                  hundredths / 100 % 60, hundredths % 100, line_name(c.axis_names, line).c_str(), value,
                  line_unit(c, line).c_str());
    return text;
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

namespace kestrova {

void zoom_around(GraphState& g, double frame, double factor) {
    const int rows = static_cast<int>(g.series[0].size());
    const FrameWindow w = visible_frames(g);
    const double width = std::max((w.last - w.first) * factor, 4.0);
    if (rows < 3 || width >= rows - 1) return zoom_reset(g);
    const double share = std::clamp((frame - w.first) / std::max(w.last - w.first, 1), 0.0, 1.0);
    const double first = std::clamp(frame - share * width, 1.0, rows - width);
    g.zoom_first = static_cast<int>(std::lround(first));
    g.zoom_last = static_cast<int>(std::lround(first + width));
}

void pan_frames(GraphState& g, double frames) {
    const int rows = static_cast<int>(g.series[0].size());
    const FrameWindow w = visible_frames(g);
    if (g.zoom_first == 0 || rows < 2) return;  // the whole move is on show
    const int shift = std::clamp(static_cast<int>(std::lround(frames)), 1 - w.first, rows - w.last);
    g.zoom_first = w.first + shift;
    g.zoom_last = w.last + shift;
}

}  // namespace kestrova
