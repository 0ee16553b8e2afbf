// Smoothing of the per-frame move: centred moving averages with the edge
// values repeated, and the keyframe-corrected smoothing that pulls the
// smoothed move back towards the inner keyframes.
#pragma once

#include <optional>

#include "app/app_state.h"

namespace kestrova {

struct SmoothingParams {
    int width = 1;   // half-width w: the window spans 2w + 1 frames
    int passes = 1;  // at least one pass always runs
};

// Width and passes from the "smooth" and "smoothtimes" boxes; nothing (with
// the reason on the status bar) when they cannot be used.
std::optional<SmoothingParams> read_smoothing_params(AppState& state);

// One pass over frames 1 .. totalframes. Axis A keeps its first and last frame;
// axis E is summed in whole numbers, rounded after every addition.
void smooth_pass(MoveModel& move, int width);

// Whether axis E's window sums stay inside the 32-bit range for this width.
bool axis_e_sums_fit(const MoveModel& move, int width);

// The "smooth" button: the window smoothing with its read-out in "Text23".
void smooth_all(AppState& state);
// The linear move through the keyframes moved by their corrections.
void recal_corrected(AppState& state);
// The "Smooth" button: smoothing corrected towards the inner keyframes.
void corrected_smoothing(AppState& state);
// The "clear" button: corrections of rows 1..256 back to 0.
void clear_corrections(AppState& state);

}  // namespace kestrova
