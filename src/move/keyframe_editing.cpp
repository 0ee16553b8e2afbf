#include "move/keyframe_editing.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "base/numeric.h"
#include "move/controls.h"
#include "move/fkey_status.h"
#include "move/linear_move.h"
#include "move/messages.h"

namespace kestrova {

namespace {

// Each list box: `first_line`, then one line per keyframe row.
void show_lists(Panel& panel, const MoveModel& m, const std::string& first_line) {
    for (std::size_t list = 0; list < ctl::keyframe_list_boxes.size(); ++list) {
        std::string text = first_line;
        for (int k = 1; k <= m.keyframe_count(); ++k) {
            const std::int32_t v = list == 0 ? m.frame_of(0, k) : m.pos_of(static_cast<int>(list) - 1, k);
            text += num::to_text(v);
            text += "\r\n";
        }
        panel.show(ctl::keyframe_list_boxes[list], std::move(text));
    }
}

// Row `to` takes the content of row `from`, in all ten arrays.
void copy_row(MoveModel& m, int to, int from) {
    for (int a = 0; a < move_axes; ++a) {
        m.frame_of(a, to) = m.frame_of(a, from);
        m.pos_of(a, to) = m.pos_of(a, from);
    }
}

}  // namespace

std::optional<int> keyframe_row(const MoveModel& move, int frame) {
    for (int row = 1; row <= move.keyframe_count(); ++row)
        if (move.frame_of(0, row) == frame) return row;
    return std::nullopt;
}

std::optional<int> entered_frame(const MoveEntries& entries, const MoveModel& move) {
    const std::optional<double>& x = entries.position;
    if (!x || *x != num::int_floor(*x) || *x < 1 || *x > move.totalframes) return std::nullopt;
    return static_cast<int>(*x);
}

Result<> add_keyframe(MoveContext& ctx) {
    disable_fkeys(ctx.panel);
    MoveModel& m = ctx.move;
    const auto frame = entered_frame(ctx.entries, m);
    if (!frame) return fail(move_msg::add_frame_not_valid(m.totalframes));
    const int n = m.keyframe_count();
    std::array<std::int32_t, move_axes> pose{};
    for (std::size_t a = 0; a < pose.size(); ++a) {
        const auto p = num::to_int32(ctx.present_positions[a]);
        if (!p) return fail(move_msg::position_out_of_range);
        pose[a] = *p;
    }

    // In frame order; a keyframe already on this frame takes the new pose.
    int row = keyframe_row(m, *frame).value_or(0);
    if (row == 0) {
        const int capacity = static_cast<int>(m.kfframe[0].size());
        if (n >= capacity) return fail(move_msg::table_full(capacity));
        row = 1;
        while (row <= n && m.frame_of(0, row) < *frame) ++row;
        for (int j = n; j >= row; --j) copy_row(m, j + 1, j);
        ++m.nextkf;
    }
    for (int a = 0; a < move_axes; ++a) {
        m.frame_of(a, row) = *frame;
        m.pos_of(a, row) = pose[static_cast<std::size_t>(a)];
    }

    calculate_linear(m);
    show_keyframe_count(ctx.panel, m);
    ctx.draw_chart();
    show_lists(ctx.panel, m, "");
    return {};
}

Result<> delete_keyframe(MoveContext& ctx) {
    disable_fkeys(ctx.panel);
    MoveModel& m = ctx.move;
    const auto frame = entered_frame(ctx.entries, m);
    if (!frame) return fail(move_msg::delete_frame_not_valid(m.totalframes));
    const std::optional<int> row = keyframe_row(m, *frame);
    if (!row) return fail(move_msg::no_keyframe_at(*frame));
    const int n = m.keyframe_count();
    for (int j = *row + 1; j <= n; ++j) copy_row(m, j - 1, j);
    --m.nextkf;
    for (int a = 0; a < move_axes; ++a) m.movepos.at(1, a) = 0;
    calculate_linear(m);
    show_keyframe_count(ctx.panel, m);
    ctx.refresh_chart();
    show_lists(ctx.panel, m, "");
    return {};
}

void clear_move(MoveContext& ctx) {
    MoveModel& m = ctx.move;
    for (auto& axis : m.kfcorr) std::fill(axis.begin(), axis.begin() + 256, 0.0);
    m.nextkf = 1;
    for (ControlName list : ctl::keyframe_list_boxes) ctx.panel.show(list, "");
    show_keyframe_count(ctx.panel, m);
    const int last = std::min(m.totalframes, m.rows());
    for (int f = 1; f <= last; ++f)
        for (int a = 0; a < move_axes; ++a) m.movepos.at(f, a) = 0;
    ctx.draw_chart();
}

void enter_position(Panel& panel, double frame) { panel.set_text(ctl::keyframe_frame_box, num::to_text(frame)); }

void show_position_frame(Panel& panel, double frame) { panel.show(ctl::keyframe_frame_box, num::to_text(frame)); }

void show_keyframes(Panel& panel, const MoveModel& move) {
    show_lists(panel, move, "");
    show_keyframe_count(panel, move);
}

void show_whole_move(Panel& panel, const MoveModel& move) {
    panel.show(ctl::total_frames_box, num::to_text(move.totalframes));
    show_keyframes(panel, move);
}

}  // namespace kestrova
