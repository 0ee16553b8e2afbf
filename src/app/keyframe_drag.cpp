#include "app/keyframe_drag.h"

#include <cstdint>
#include <memory>
#include <utility>

#include "app/contexts.h"
#include "app/editing_commands.h"
#include "app/event_dispatch.h"
#include "app/keyframe_table.h"
#include "engine/move_lock.h"
#include "graph/messages.h"
#include "graph/move_graph.h"
#include "move/history_messages.h"
#include "move/keyframe_cell.h"
#include "move/keyframe_editing.h"
#include "move/linear_move.h"
#include "shaping/bezier_path.h"

namespace kestrova {

namespace {

double share_of(const ShapingState& shaping) {
    const double v = shaping.handle_share;
    return v > 0 && v < 101 ? v : 20;
}

// The move is what Bezier makes of its keyframes: the last shaping it had was Bezier.
bool bezier_shaped(const MoveModel& move, double share, bool flat_extremes) {
    MoveModel trial = move;
    if (!calculate_bezier(trial, share, flat_extremes)) return false;
    const int rows = move.rows();
    for (int f = 1; f <= rows; ++f)
        for (int a = 0; a < move_axes; ++a)
            if (trial.movepos.at(f, a) != move.movepos.at(f, a)) return false;
    return true;
}

}  // namespace

bool KeyframeDrag::begin(int axis, int frame) {
    grab_.reset();
    if (Result<> allowed = may_change_move(s_.engine); !allowed) {
        s_.notices.report(allowed);
        return false;
    }
    grab_ = grab_keyframe(s_.move, s_.axes, s_.graph.pinned_frames, axis, frame);
    if (!grab_) return false;
    before_ = s_.move;
    target_ = {grab_->frame, grab_->position, false};
    share_ = share_of(s_.shaping);
    bezier_ = bezier_shaped(s_.move, share_, s_.shaping.bzsmooth);
    pinned_said_ = false;
    return true;
}

Result<> KeyframeDrag::apply(const DragTarget& to) {
    s_.move = before_;
    MoveContext ctx = s_.move_context();
    Result<> r;
    if (to.position != grab_->position) r = edit_keyframe(ctx, grab_->row, grab_->axis + 1, to.position);
    // Between its neighbours the keyframe keeps its row.
    if (r && to.frame != grab_->frame) r = edit_keyframe(ctx, grab_->row, keyframe_frame_value, to.frame);
    if (r && bezier_) r = calculate_bezier(s_.move, share_, s_.shaping.bzsmooth);
    return r;
}

void KeyframeDrag::reshape(const DragTarget& to) {
    // Between its neighbours the keyframe keeps its row and the count stays:
    // the row and the tables the calculations write are all that differ from
    // the copy. Bezier reads samples of earlier calculations too.
    MoveModel& m = s_.move;
    const int row = grab_->row;
    m.movepos = before_.movepos;
    if (bezier_) {
        m.bzframe = before_.bzframe;
        m.bzpos = before_.bzpos;
    }
    for (int a = 0; a < move_axes; ++a) {
        m.frame_of(a, row) = to.frame;
        m.pos_of(a, row) = before_.pos_of(a, row);
    }
    m.pos_of(grab_->axis, row) = static_cast<std::int32_t>(to.position);
    calculate_linear(m);
    if (bezier_) static_cast<void>(calculate_bezier(m, share_, s_.shaping.bzsmooth));  // two keyframes at least
    draw_graph(graph_context(s_));
}

std::string KeyframeDrag::update(double frame, double position, DragKeep keep) {
    if (!grab_) return {};
    const DragTarget to = drag_target(*grab_, frame, position, keep);
    if (to.held_in_time && !pinned_said_) {
        pinned_said_ = true;
        s_.notices.say(graph_msg::keyframe_pinned(grab_->row, grab_->frame));
    }
    if (to.frame != target_.frame || to.position != target_.position) {
        target_ = to;
        reshape(to);
    }
    return to.held_in_time ? graph_msg::keyframe_pinned(grab_->row, grab_->frame)
                           : drag_text(*grab_, to, s_.axis_names, s_.axes);
}

void KeyframeDrag::end(bool keep) {
    if (!grab_) return;
    const KeyframeGrab grab = *std::exchange(grab_, std::nullopt);
    s_.move = before_;
    bool done = false;
    if (keep && (target_.frame != grab.frame || target_.position != grab.position)) {
        grab_ = grab;  // apply() reads it
        s_.notices.report(s_.editing.around(history_msg::label::drag_keyframe, [&] {
            const Result<> r = apply(target_);
            s_.notices.report(r);
            done = static_cast<bool>(r);
            dispatch_events(s_);
        }, true));
        grab_.reset();
    }
    if (!done) {
        // Nothing changed after all: the copy as it was, shown again.
        show_keyframes(s_.panel, s_.move);
        draw_graph(graph_context(s_));
    } else if (s_.graph.marked_frame == grab.frame) {
        select_keyframe(s_, grab.row);  // the dragged keyframe stays the selected one
    }
    update_move_check(s_);
}

void cancel_keyframe_drag(AppState& state) {
    if (state.keyframe_drag) state.keyframe_drag->end(false);
}

KeyframeDragHooks keyframe_drag_hooks(AppState& state) {
    auto drag = std::make_shared<KeyframeDrag>(state);
    state.keyframe_drag = drag;
    return {[drag](int axis, int frame) { return drag->begin(axis, frame); },
            [drag](double frame, double position, DragKeep keep) { return drag->update(frame, position, keep); },
            [drag](bool keep) { drag->end(keep); }};
}

}  // namespace kestrova
