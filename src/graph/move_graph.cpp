#include "graph/move_graph.h"

#include <algorithm>
#include <string>

#include "move/move_length.h"
#include "app/fkey_status.h"

namespace kestrova {

void draw_graph(AppState& state) {
    disable_fkeys(state.panel);
    const MoveModel& m = state.move;
    GraphState& g = state.graph;
    g.divisions_per_label = divisions_per_label(m.totalframes);
    const FrameTable& table = g.speedmode ? m.graphpos : m.movepos;
    const int frames = std::max(m.totalframes, 0);
    const int stored = std::min(frames, table.rows());
    for (int c = 0; c < chart_lines; ++c) {
        std::vector<double>& line = g.series[static_cast<std::size_t>(c)];
        line.assign(static_cast<std::size_t>(frames), 0.0);
        if (!g.showaxis[static_cast<std::size_t>(c)]) continue;  // a hidden axis lies flat at 0
        for (int f = 1; f <= stored; ++f) line[static_cast<std::size_t>(f - 1)] = table.at(f, c);
    }
    ++g.revision;
}

void build_speed_table(MoveModel& m) {
    const int last = std::min(m.totalframes, m.rows());
    for (int f = 1; f <= last; ++f)
        for (int c = 0; c < 4; ++c)
            m.graphpos.at(f, c) = f < last ? m.movepos.at(f + 1, c) - m.movepos.at(f, c) : 0.0;
    if (last < 1) return;
    for (int c = 0; c < 4; ++c) {
        m.graphpos.at(1, c) = 0;
        m.graphpos.at(last, c) = 0;
    }
}

void refresh_graph(AppState& state) {
    state.panel.set_caption("showspeed", state.graph.speedmode ? "show position" : "show speed");
    if (state.graph.speedmode) build_speed_table(state.move);
    draw_graph(state);
}

void set_chart_rows(AppState& state, int rows) {
    for (auto& line : state.graph.series) line.resize(static_cast<std::size_t>(std::max(rows, 0)), 0.0);
    ++state.graph.revision;
}

void toggle_speed_mode(AppState& state) {
    state.graph.speedmode = !state.graph.speedmode;
    refresh_graph(state);
}

void toggle_axis(AppState& state, int index) {
    auto& shown = state.graph.showaxis[static_cast<std::size_t>(index)];
    shown = !shown;
    state.panel.set_colour("Command19_" + std::to_string(index), shown ? colour::green : colour::red);
    refresh_graph(state);
}

void show_bezier_samples(AppState& state) {
    MoveModel& m = state.move;
    const int last = std::min({m.totalframes, m.rows(), static_cast<int>(m.bzpos[0].size())});
    for (int f = 1; f <= last; ++f) m.movepos.at(f, 0) = m.bzpos[0][static_cast<std::size_t>(f - 1)];
    refresh_graph(state);
}

}  // namespace kestrova
