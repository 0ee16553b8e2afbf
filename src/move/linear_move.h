// The linear move: straight segments (in position over frames) between the
// keyframes, with a ramp from position 0 at frame 0 to the first keyframe.
#pragma once

#include <array>

#include "base/panel.h"
#include "move/move_context.h"
#include "move/move_model.h"

namespace kestrova {

// Corrections added to the keyframe positions, [axis][row - 1]; rows past the
// end of the tables have no correction.
using KeyframeCorrections = std::array<std::array<double, correction_rows>, move_axes>;

// Write movepos for every move axis from the keyframe table (needs at least one
// keyframe). Frames after the last keyframe keep their values.
void calculate_linear(MoveModel& move, const KeyframeCorrections* corrections = nullptr);

// Show the keyframe count in its box.
void show_keyframe_count(Panel& panel, const MoveModel& move);

// The "re calc" button: the linear move again, when there are keyframes.
void recalculate_linear(MoveContext& ctx);

}  // namespace kestrova
