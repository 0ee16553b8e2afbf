#include "move/keyframe_editing.h"

namespace kestrova {

void clear_move(AppState&) {}
void set_total_frames(AppState&) {}
void rebuild_keyframe_lists(AppState&) {}

}  // namespace kestrova
