// Add, delete and clear keyframes, and the boxes that list them.
#pragma once

#include <optional>

#include "base/result.h"
#include "move/move_context.h"

namespace kestrova {

// The frame entered in the Position box for Add and Del KeyFrame: nothing when
// it is out of range (the box then returns to "1"); a fractional entry just
// past the last frame is clamped to the last frame.
std::optional<double> entered_frame(MoveContext& ctx, bool is_delete);

// Add KeyFrame: store the present pose at the entered frame, recalculate, redraw.
// Refused, with nothing changed, when the table is full or a position does not
// fit 32 bits.
Result<> add_keyframe(MoveContext& ctx);
// Del KeyFrame: remove the first keyframe at the entered frame, recalculate, redraw.
void delete_keyframe(MoveContext& ctx);
// Clear Move: empty the keyframe table, zero the move, redraw.
void clear_move(MoveContext& ctx);

// The six keyframe list boxes and the count box show the keyframe table.
void show_keyframes(Panel& panel, const MoveModel& move);

}  // namespace kestrova
