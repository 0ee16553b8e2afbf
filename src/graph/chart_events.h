// The chart's events as the chart view forwards them, and its zoom.
#pragma once

#include <string>

#include "graph/chart_data.h"
#include "graph/graph_context.h"

namespace kestrova {

// The name a line carries in the legend: the axis name, or its letter when unnamed.
std::string line_name(const AxisNames& names, int line);

// A line's unit: the axis's unit, pulses when it has none, per frame in speed mode.
std::string line_unit(const GraphContext& c, int line);
// The legend's name of a line: its name and unit, "Pan (°)".
std::string legend_name(const GraphContext& c, int line);
// The read-out of one point for the status bar: frame, time, axis and value
// in the axis's unit with two decimals.
std::string point_text(const GraphContext& c, int line, int frame);

// The pointer moved over the chart: the value read-out in the read-out box.
void chart_pointer(const GraphContext& c, const PlotRect& plot, ValueRange frames, ValueRange values, float x,
                   float y, int buttons);
// A point was selected: it becomes the grid's current cell and a message box
// shows its label and value. line is 0..4, frame 1..rows.
void chart_point_selected(const GraphContext& c, int line, int frame);
// The chart itself was selected: the read-out box shows the current column and row.
void chart_selected(const GraphContext& c);

// Show only the frames between a and b (in either order); a window of less
// than two frames is ignored.
void zoom_frames(GraphState& graph, double a, double b);
void zoom_reset(GraphState& graph);
// Zoom by a factor (below 1: in) keeping the frame under the pointer in place;
// a window as wide as the move shows the whole move again.
void zoom_around(GraphState& graph, double frame, double factor);
// Move the zoomed window by a number of frames, stopping at the move's ends.
void pan_frames(GraphState& graph, double frames);

}  // namespace kestrova
