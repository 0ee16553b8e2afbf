// The speed and the acceleration of each line per frame as the move will
// play (25 frames a second), in the axis's unit a second (pulses where it has
// none), and where they go beyond what the axis can do.
#pragma once

#include <vector>

#include "axes/axis_settings.h"
#include "graph/chart_data.h"
#include "graph/graph_state.h"
#include "move/move_model.h"

namespace kestrova {

using Quantity = GraphState::Quantity;

// One value per frame (index 0 = frame 1) of a line's speed or acceleration,
// from the targets the rig is sent (the move clamped to the soft limits). The
// rig starts from rest, and on the last frame it also has to stop there.
std::vector<double> quantity_series(const MoveModel& move, const AxisSettings& axes, int line, Quantity q);

// The most the axis allows of the quantity, in the same units; 0 for position.
double quantity_limit(const AxisSettings& axes, int line, Quantity q);

// The runs of frames where a shown line of the graph's series goes beyond its
// limit; marked as acceleration in the acceleration view. None for position.
std::vector<GraphState::Mark> frames_beyond(const GraphState& graph, const AxisSettings& axes);

// The range widened to hold the limits of the shown lines, so the operator
// sees the room left as well as the frames beyond.
ValueRange widen_to_limits(ValueRange r, const GraphState& graph, const AxisSettings& axes);

}  // namespace kestrova
