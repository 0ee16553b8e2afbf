#include "move/move_length.h"

#include <algorithm>

#include "base/numeric.h"
#include "move/controls.h"
#include "move/keyframe_editing.h"
#include "move/linear_move.h"
#include "move/messages.h"

namespace kestrova {

namespace {

// The typed length, rounded down. A text that is not one number, a length
// below 1 or beyond the longest move is refused; the box shows the length kept.
Result<int> typed_length(MoveContext& ctx) {
    const std::optional<double>& typed = ctx.entries.length;
    const double n = typed ? num::int_floor(*typed) : 0;
    const int kept = ctx.move.totalframes;
    if (n >= 1 && n <= max_frames) return static_cast<int>(n);
    ctx.panel.set_text(ctl::total_frames_box, num::to_text(kept));
    return fail(n > max_frames ? move_msg::length_too_long(kept) : move_msg::length_not_valid(kept));
}

}  // namespace

int divisions_per_label(int totalframes) {
    return static_cast<int>(num::round_half_even(totalframes / 10.0));
}

void resize_move(MoveContext& ctx, int frames) {
    MoveModel& m = ctx.move;
    m.totalframes = std::clamp(frames, 1, max_frames);
    m.create_tables(m.totalframes);
    m.nextkf = 1;
    show_keyframe_count(ctx.panel, m);
    ctx.length_changed();
}

Result<> apply_total_frames(MoveContext& ctx) {
    const Result<int> n = typed_length(ctx);
    if (!n) return fail(n.error());
    resize_move(ctx, n.value());
    return {};
}

Result<> set_total_frames(MoveContext& ctx) {
    const Result<int> n = typed_length(ctx);
    if (!n) return fail(n.error());
    clear_move(ctx);
    resize_move(ctx, n.value());
    return {};
}

}  // namespace kestrova
