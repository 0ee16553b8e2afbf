#pragma once

#include <optional>

#include "app/app_state.h"

namespace kestrova {

// The frame entered in "Text1" for Add and Del KeyFrame: nothing when it is
// out of range (the box then returns to "1"); a fractional entry just past the
// last frame is clamped to the last frame.
std::optional<double> entered_frame(AppState& state, bool is_delete);

// Add KeyFrame: store the present pose at the entered frame, recalculate, redraw.
void add_keyframe(AppState& state);
// Del KeyFrame: remove the first keyframe at the entered frame, recalculate, redraw.
void delete_keyframe(AppState& state);
// Clear Move: empty the keyframe table, zero the move, redraw.
void clear_move(AppState& state);
// Set Total Frames (the button): clear the move, then apply the length in "Text2".
void set_total_frames(AppState& state);
// Rebuild the six keyframe list boxes from the empty text.
void rebuild_keyframe_lists(AppState& state);
// The same after a delete: every list starts with a line "0".
void rebuild_keyframe_lists_after_delete(AppState& state);

}  // namespace kestrova
