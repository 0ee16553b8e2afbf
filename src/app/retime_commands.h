// Fit to rig, Fastest move and Stretch move: the present move retimed along
// its own path as one undo step, the move before drawn faintly until the next
// edit; and the pins that keep a keyframe's frame through them.
#pragma once

#include <vector>

#include "app/app_state.h"

namespace kestrova {

enum class Retiming { fit, fastest, stretch };

// Retime the move; a refusal (the rig follows the move, a pinned stretch too
// short, a length the move cannot take) changes nothing and says why.
void retime_present_move(AppState& state, Retiming how);

// The share of the axes' speed and acceleration limits the retimings use, in
// percent (1..100); a value outside is refused and says so.
Result<> set_retime_share(AppState& state, int percent);

// Pin or unpin the keyframe in `row` (1-based).
void toggle_pin(AppState& state, int row);
bool keyframe_pinned(const AppState& state, int row);
// A pinned keyframe given another frame by hand takes its pin along.
void move_pin(AppState& state, int from, int to);

// After any command: a pin stays only on a frame that still holds a keyframe,
// and the faint move goes once the move has changed since its retiming.
void follow_edit(AppState& state);

}  // namespace kestrova
