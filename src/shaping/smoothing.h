// Smoothing of the per-frame move: centred moving averages with the edge
// values repeated, and the keyframe-corrected smoothing that pulls the
// smoothed move back towards the inner keyframes.
#pragma once

#include "base/panel.h"
#include "base/result.h"
#include "move/move_model.h"
#include "shaping/shaping_context.h"

namespace kestrova {

struct SmoothingParams {
    int width = 1;   // half-width w: the window spans 2w + 1 frames
    int passes = 1;
};

// Width and passes as typed in their boxes, each a whole number from 1 to
// 32767, checked against the move.
Result<SmoothingParams> read_smoothing_params(const ShapingState& shaping, const MoveModel& move);
// Whether these parameters can run on this move: the window fits the move,
// the work stays bounded, and axis E's sums fit 32 bits.
Result<> check_smoothing(const MoveModel& move, SmoothingParams params);

// Every pass, one after the other.
void smooth(MoveModel& move, SmoothingParams params);
// One pass over frames 1 .. totalframes. Axis A keeps its first and last frame;
// axis E is summed in whole numbers, rounded after every addition.
void smooth_pass(MoveModel& move, int width);

// Whether axis E's window sums stay inside the 32-bit range for this width.
bool axis_e_sums_fit(const MoveModel& move, int width);

// The "smooth" button: the window smoothing with its read-out.
Result<> smooth_all(ShapingContext& ctx);
// The linear move through the keyframes moved by their corrections.
void recal_corrected(ShapingContext& ctx);
// The "Smooth" button: smoothing corrected towards the inner keyframes.
Result<> corrected_smoothing(ShapingContext& ctx);
// The "clear" button: corrections of rows 1..256 back to 0.
void clear_corrections(MoveModel& move);

}  // namespace kestrova
