// The move length: "Set Total Frames", Enter in the total-frames box, and a
// loaded move's length.
#pragma once

#include "base/result.h"
#include "move/move_context.h"

namespace kestrova {

// Frames between two labels of the chart's frame axis for a move length.
int divisions_per_label(int totalframes);

// Make the move `frames` long (1 .. max_frames): every table afresh and zero,
// no keyframes; the count box and the chart follow.
void resize_move(MoveContext& ctx, int frames);

// Set Total Frames: clear the move, then apply the typed length, rounded down.
// Refused, with nothing changed, when the box holds anything but one number
// from 1 to max_frames.
Result<> set_total_frames(MoveContext& ctx);
// Enter in the total-frames box: the same without clearing the move first.
Result<> apply_total_frames(MoveContext& ctx);

}  // namespace kestrova
