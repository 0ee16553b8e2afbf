#include "move/move_length.h"

#include <algorithm>

#include "base/numeric.h"
#include "move/controls.h"
#include "move/keyframe_editing.h"
#include "move/linear_move.h"
#include "move/messages.h"

namespace kestrova {

namespace {

// The typed length, rounded down; a length beyond the longest move is refused
// and the box shows the length kept.
Result<double> typed_length(MoveContext& ctx) {
    const num::Reading r = num::read_prefix(ctx.panel.text(ctl::total_frames_box));
    const double n = num::int_floor(r.value);
    if (!r.overflow && n <= max_frames) return n;
    ctx.panel.set_text(ctl::total_frames_box, num::to_text(ctx.move.totalframes));
    return fail(move_msg::length_too_long(ctx.move.totalframes));
}

void apply_length(MoveContext& ctx, double n) {
    if (n < 1) {
        ctx.move.totalframes = 1;
        ctx.panel.set_text(ctl::total_frames_box, "1");
        return;
    }
    resize_move(ctx, static_cast<int>(n));
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
    ctx.length_changed(m.totalframes);
}

Result<> apply_total_frames(MoveContext& ctx) {
    const Result<double> n = typed_length(ctx);
    if (!n) return fail(n.error());
    apply_length(ctx, n.value());
    return {};
}

Result<> set_total_frames(MoveContext& ctx) {
    const Result<double> n = typed_length(ctx);
    if (!n) return fail(n.error());
    clear_move(ctx);
    apply_length(ctx, n.value());
    return {};
}

void start_move(MoveContext& ctx, int frames) {
    clear_move(ctx);
    resize_move(ctx, frames);
    ctx.panel.set_text(ctl::total_frames_box, num::to_text(ctx.move.totalframes));
}

}  // namespace kestrova
