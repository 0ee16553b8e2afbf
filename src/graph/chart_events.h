// The chart's events as the chart view forwards them, and its zoom.
#pragma once

#include <string>

#include "graph/chart_data.h"
#include "app/app_state.h"

namespace kestrova {

// The name a line carries in the legend: the axis name, or its letter when unnamed.
std::string line_name(const Panel& panel, int line);

// The pointer moved over the chart: the value read-out in "Text24".
void chart_pointer(AppState& state, const PlotRect& plot, ValueRange frames, ValueRange values, float x,
                   float y, int buttons);
// A point was selected: it becomes the grid's current cell and a message box
// shows its label and value. line is 0..4, frame 1..rows.
void chart_point_selected(AppState& state, int line, int frame);
// The chart itself was selected: "Text24" shows the current column and row.
void chart_selected(AppState& state);

// Show only the frames between a and b (in either order); a window of less
// than two frames is ignored.
void zoom_frames(AppState& state, double a, double b);
void zoom_reset(AppState& state);

}  // namespace kestrova
