// One value of one keyframe changed in place, as the keyframe table edits it.
#pragma once

#include "base/result.h"
#include "move/move_context.h"

namespace kestrova {

// The values of a keyframe row: its frame, then the positions of axes A..E.
inline constexpr int keyframe_frame_value = 0;

// Give the keyframe in `row` (1-based) a new frame (`value_index` 0) or a new
// position of axis A..E in pulses (1..5): Del KeyFrame at its frame, then Add
// KeyFrame of its pose at the frame it now has, so the move is recalculated
// and shown as by those commands. Refused, with nothing changed, for a row
// that does not exist, a frame Add KeyFrame would refuse, a frame another
// keyframe holds, or a position beyond 32 bits.
Result<> edit_keyframe(MoveContext& ctx, int row, int value_index, double value);

}  // namespace kestrova
