// Add, delete and clear keyframes, and the boxes that list them.
#pragma once

#include <optional>

#include "base/result.h"
#include "move/move_context.h"

namespace kestrova {

// The frame typed in the Position box for Add and Del KeyFrame: a whole number
// within 1 .. totalframes, else nothing.
std::optional<int> entered_frame(const MoveEntries& entries, const MoveModel& move);

// The row of the keyframe on `frame`, if there is one.
std::optional<int> keyframe_row(const MoveModel& move, int frame);

// Add KeyFrame: store the present pose at the entered frame (replacing the pose
// of a keyframe already there), recalculate, redraw. Refused, with nothing
// changed, when the frame is not valid, the table is full or a position does
// not fit 32 bits.
Result<> add_keyframe(MoveContext& ctx);
// Del KeyFrame: remove the keyframe at the entered frame, recalculate, redraw.
// Refused, with nothing changed, when the frame is not valid or has no keyframe.
Result<> delete_keyframe(MoveContext& ctx);
// Clear Move: empty the keyframe table, zero the move, redraw.
void clear_move(MoveContext& ctx);

// The Position box takes `frame`, as if typed.
void enter_position(Panel& panel, double frame);
// Show `frame` in the Position box without running its rule: play-back and
// the go-to-frame ramp show where they are.
void show_position_frame(Panel& panel, double frame);

// The six keyframe list boxes and the count box show the keyframe table.
void show_keyframes(Panel& panel, const MoveModel& move);
// The same, and the Total frames box the length: a whole new move is shown.
void show_whole_move(Panel& panel, const MoveModel& move);

}  // namespace kestrova
