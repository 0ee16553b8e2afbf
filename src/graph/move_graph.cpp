#include "graph/move_graph.h"

#include <algorithm>

#include "graph/controls.h"
#include "graph/quantity_series.h"
#include "move/fkey_status.h"
#include "move/move_length.h"

namespace kestrova {

namespace {

// The chart's lines from the table, or the speed or acceleration the view shows.
void fill_series(const GraphContext& c) {
    const MoveModel& m = c.move;
    GraphState& g = c.graph;
    g.divisions_per_label = divisions_per_label(m.totalframes);
    const FrameTable& table = g.speedmode ? m.graphpos : m.movepos;
    const int frames = std::max(m.totalframes, 0);
    const int stored = std::min(frames, table.rows());
    for (int col = 0; col < chart_lines; ++col) {
        std::vector<double>& line = g.series[static_cast<std::size_t>(col)];
        if (!g.showaxis[static_cast<std::size_t>(col)]) {
            line.assign(static_cast<std::size_t>(frames), 0.0);  // a hidden axis lies flat at 0
        } else if (g.quantity != GraphState::Quantity::position) {
            line = quantity_series(m, c.axes, col, g.quantity);
            line.resize(static_cast<std::size_t>(frames), 0.0);
        } else {
            line.assign(static_cast<std::size_t>(frames), 0.0);
            for (int f = 1; f <= stored; ++f) line[static_cast<std::size_t>(f - 1)] = table.at(f, col);
        }
    }
    ++g.revision;
}

}  // namespace

void draw_graph(const GraphContext& c) {
    // Drawing takes the operator away from the rig: the F keys are switched off.
    disable_fkeys(c.panel);
    fill_series(c);
}

void show_quantity(const GraphContext& c, GraphState::Quantity q) {
    if (c.graph.quantity == q) return;
    c.graph.quantity = q;
    fill_series(c);  // the zoom and the marked keyframe stay
}

void build_speed_table(MoveModel& m) {
    const int last = std::min(m.totalframes, m.rows());
    for (int f = 1; f <= last; ++f)
        for (int col = 0; col < 4; ++col)
            m.graphpos.at(f, col) = f < last ? m.movepos.at(f + 1, col) - m.movepos.at(f, col) : 0.0;
    if (last < 1) return;
    for (int col = 0; col < 4; ++col) {
        m.graphpos.at(1, col) = 0;
        m.graphpos.at(last, col) = 0;
    }
}

void refresh_graph(const GraphContext& c) {
    c.panel.set_caption(ctl::speed_mode_button, c.graph.speedmode ? "show position" : "show speed");
    if (c.graph.speedmode) build_speed_table(c.move);
    draw_graph(c);
}

void set_chart_rows(GraphState& graph, int rows) {
    for (auto& line : graph.series) line.resize(static_cast<std::size_t>(std::max(rows, 0)), 0.0);
    ++graph.revision;
}

void toggle_speed_mode(const GraphContext& c) {
    c.graph.speedmode = !c.graph.speedmode;
    refresh_graph(c);
}

void toggle_axis(const GraphContext& c, int index) {
    const auto i = static_cast<std::size_t>(index);
    auto& shown = c.graph.showaxis[i];
    shown = !shown;
    c.panel.set_colour(ctl::show_axis_buttons[i], shown ? colour::green : colour::red);
    refresh_graph(c);
}

void show_bezier_samples(const GraphContext& c) {
    MoveModel& m = c.move;
    const int last = std::min({m.totalframes, m.rows(), static_cast<int>(m.bzpos[0].size())});
    for (int f = 1; f <= last; ++f) m.movepos.at(f, 0) = m.bzpos[0][static_cast<std::size_t>(f - 1)];
    refresh_graph(c);
}

}  // namespace kestrova
