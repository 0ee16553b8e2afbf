// The keyframe table: one row per keyframe (rows 1-based), the columns Frame,
// Time, then one per move axis. Its texts, and what selecting, editing and
// deleting a row do to the move; the window's table only forwards to these.
#pragma once

#include <string>

#include "app/app_state.h"

namespace kestrova {

inline constexpr int keyframe_table_columns = 2 + move_axes;

// "Frame", "Time", then the axis's name (its letter when unnamed) with its unit: "Tilt (°)".
std::string keyframe_table_header(const AxisNames& names, const AxisSettings& axes, int column);
// The frame, the time from the start ("4.96 s"), the positions in the axis's
// unit (pulses when it has none).
std::string keyframe_table_cell(const MoveModel& move, const AxisSettings& axes, int row, int column);
bool keyframe_table_editable(int column);

// The row's frame goes into the Position box and is marked on the chart.
void select_keyframe(AppState& state, int row);
// A typed frame or position for the row's keyframe, as one undoable step;
// a refusal changes nothing and says why.
void edit_keyframe_cell(AppState& state, int row, int column, const std::string& text);
// Del KeyFrame at the row's frame.
void delete_keyframe_row(AppState& state, int row);

}  // namespace kestrova
