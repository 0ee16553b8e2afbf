#include "move/keyframe_cell.h"

#include <array>

#include "base/numeric.h"
#include "move/keyframe_editing.h"
#include "move/messages.h"

namespace kestrova {

namespace {
MoveEntries typed_frame(double frame) {
    MoveEntries e;
    e.position = frame;
    return e;
}
}  // namespace

Result<> edit_keyframe(MoveContext& ctx, int row, int value_index, double value) {
    MoveModel& m = ctx.move;
    if (row < 1 || row > m.keyframe_count() || value_index < 0 || value_index > move_axes)
        return fail(move_msg::no_keyframe_row(row));
    const int old_frame = m.frame_of(0, row);
    int frame = old_frame;
    std::array<double, move_axes> pose{};
    for (int a = 0; a < move_axes; ++a) pose[static_cast<std::size_t>(a)] = m.pos_of(a, row);

    if (value_index == keyframe_frame_value) {
        const std::optional<int> typed = entered_frame(typed_frame(value), m);
        if (!typed) return fail(move_msg::add_frame_not_valid(m.totalframes));
        // Add KeyFrame would overwrite the other keyframe's pose: refuse instead.
        if (*typed != old_frame && keyframe_row(m, *typed)) return fail(move_msg::frame_has_keyframe(*typed));
        frame = *typed;
    } else {
        if (!num::to_int32(value)) return fail(move_msg::position_out_of_range);
        pose[static_cast<std::size_t>(value_index - 1)] = value;
    }
    const bool same = value_index == keyframe_frame_value ? frame == old_frame
                                                          : num::to_int32(value) == m.pos_of(value_index - 1, row);
    if (same) return {};  // the value it has already: nothing to do, no step to undo

    const MoveEntries at_old = typed_frame(old_frame);
    const MoveEntries at_new = typed_frame(frame);
    MoveContext remove{m, at_old, ctx.panel, ctx.notices, ctx.present_positions, ctx.events};
    MoveContext add{m, at_new, ctx.panel, ctx.notices, pose, ctx.events};
    if (Result<> r = delete_keyframe(remove); !r) return r;
    return add_keyframe(add);
}

}  // namespace kestrova
