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

std::optional<double> entered_frame(MoveContext& ctx, bool is_delete) {
    MoveModel& m = ctx.move;
    double x = num::val(ctx.panel.text(ctl::keyframe_frame_box));
    if (!(x > 0 && x < m.totalframes + 1)) {
        ctx.panel.set_text(ctl::keyframe_frame_box, "1");
        if (is_delete) m.curframe = 1;
        return std::nullopt;
    }
    if (x > m.totalframes) {
        m.curframe = m.totalframes;
        x = m.totalframes;
        ctx.panel.set_text(ctl::keyframe_frame_box, num::to_text(x));
    }
    return x;
}

Result<> add_keyframe(MoveContext& ctx) {
    disable_fkeys(ctx.panel);
    const auto x = entered_frame(ctx, false);
    if (!x) return {};
    MoveModel& m = ctx.move;
    const int n = m.keyframe_count();
    const int capacity = static_cast<int>(m.kfframe[0].size());
    if (n >= capacity) return fail(move_msg::table_full(capacity));
    std::array<std::int32_t, move_axes> pose{};
    for (std::size_t a = 0; a < pose.size(); ++a) {
        const auto p = num::to_int32(ctx.present_positions[a]);
        if (!p) return fail(move_msg::position_out_of_range);
        pose[a] = *p;
    }
    const std::int32_t frame = *num::to_int32(*x);  // x is within 0 .. 32767

    int row = n + 1;
    if (n > 0 && !(*x > m.frame_of(0, n))) {
        row = 1;
        while (row <= n && m.frame_of(0, row) < *x) ++row;
        for (int j = n; j >= row; --j) copy_row(m, j + 1, j);
    }
    for (int a = 0; a < move_axes; ++a) {
        m.frame_of(a, row) = frame;
        m.pos_of(a, row) = pose[static_cast<std::size_t>(a)];
    }
    ++m.nextkf;

    calculate_linear(m);
    show_keyframe_count(ctx.panel, m);
    ctx.draw_chart();
    show_lists(ctx.panel, m, "");
    return {};
}

void delete_keyframe(MoveContext& ctx) {
    disable_fkeys(ctx.panel);
    const auto x = entered_frame(ctx, true);
    if (!x) return;
    MoveModel& m = ctx.move;
    const int n = m.keyframe_count();
    for (int i = 1; i <= n; ++i) {
        if (m.frame_of(0, i) != *x) continue;
        for (int j = i + 1; j <= n; ++j) copy_row(m, j - 1, j);
        --m.nextkf;
        break;
    }
    for (int a = 0; a < move_axes; ++a) m.movepos.at(1, a) = 0;
    calculate_linear(m);
    show_keyframe_count(ctx.panel, m);
    ctx.refresh_chart();
    // After a delete every list starts with a line "0".
    show_lists(ctx.panel, m, "0\r\n");
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

void show_keyframes(Panel& panel, const MoveModel& move) {
    show_lists(panel, move, "");
    show_keyframe_count(panel, move);
}

}  // namespace kestrova
