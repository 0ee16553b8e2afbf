// Drawing the move into the chart's lines, and the graph's buttons.
#pragma once

#include "graph/graph_context.h"

namespace kestrova {

// Redraw the chart from the current table (position or, in speed mode, the
// speed table as last built).
void draw_graph(const GraphContext& c);
// Show the position, the speed or the acceleration of the lines; the zoom and
// the marked keyframe stay.
void show_quantity(const GraphContext& c, GraphState::Quantity q);
// Set the mode caption, rebuild the speed table in speed mode, then draw.
void refresh_graph(const GraphContext& c);
// The speed table: the change of position from each frame to the next, axes
// A..D; the first and the last frame are 0 and axis E is not part of it.
void build_speed_table(MoveModel& move);
// The chart's row count, as a new move length sets it; the lines keep their
// values and new rows are 0.
void set_chart_rows(GraphState& graph, int rows);

// Buttons of the graph.
void toggle_speed_mode(const GraphContext& c);
void toggle_axis(const GraphContext& c, int index);  // 0..7
// Axis A of the move takes the raw Bezier samples, sample s at frame s.
void show_bezier_samples(const GraphContext& c);

}  // namespace kestrova
