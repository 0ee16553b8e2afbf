#pragma once

#include "shell/app_state.h"

namespace kestrova {

// Clear Move: empty the keyframe table, zero the move, redraw.
void clear_move(AppState& state);
// Set Total Frames (the button): clear the move, then apply the length in "Text2".
void set_total_frames(AppState& state);
// Rebuild the six keyframe list boxes from the empty text.
void rebuild_keyframe_lists(AppState& state);

}  // namespace kestrova
