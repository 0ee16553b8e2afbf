#include "move/keyframe_editing.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "graph/move_graph.h"
#include "move/linear_move.h"
#include "move/messages.h"
#include "app/controls.h"
#include "app/fkey_status.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

void rebuild_lists(AppState& state, const std::string& first_line) {
    const MoveModel& m = state.move;
    for (int list = 0; list < 6; ++list) {
        std::string text = first_line;
        for (int k = 1; k <= m.keyframe_count(); ++k) {
            const std::int32_t v = list == 0 ? m.frame_of(0, k) : m.pos_of(list - 1, k);
            text += num::to_text(v);
            text += "\r\n";
        }
        state.panel.set_text(keyframe_lists[list], "");
        state.panel.set_text(keyframe_lists[list], std::move(text));
    }
}

// Row k takes the content of row from, in all ten arrays.
void copy_row(MoveModel& m, int to, int from) {
    for (int a = 0; a < move_axes; ++a) {
        m.frame_of(a, to) = m.frame_of(a, from);
        m.pos_of(a, to) = m.pos_of(a, from);
    }
}

}  // namespace

std::optional<double> entered_frame(AppState& state, bool is_delete) {
    MoveModel& m = state.move;
    double x = num::val(state.panel.text("Text1"));
    if (!(x > 0 && x < m.totalframes + 1)) {
        state.panel.set_text("Text1", "1");
        if (is_delete) m.curframe = 1;
        return std::nullopt;
    }
    if (x > m.totalframes) {
        state.panel.set_text("Text1", num::to_text(m.totalframes));
        m.curframe = m.totalframes;
        x = num::val(state.panel.text("Text1"));
    }
    return x;
}

void add_keyframe(AppState& state) {
    disable_fkeys(state.panel);
    const auto x = entered_frame(state, false);
    if (!x) return;
    MoveModel& m = state.move;
    const int n = m.keyframe_count();
    const int capacity = static_cast<int>(m.kfframe[0].size());
    if (n >= capacity) {
        state.notices.say(move_msg::table_full(capacity));
        return;
    }
    std::array<std::int32_t, move_axes> pose{};
    for (int a = 0; a < move_axes; ++a) {
        const auto p = num::to_int32(state.engine.curpos[static_cast<std::size_t>(a)]);
        if (!p) {
            state.notices.say(move_msg::position_out_of_range);
            return;
        }
        pose[static_cast<std::size_t>(a)] = *p;
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
    show_keyframe_count(state);
    draw_graph(state);
    rebuild_keyframe_lists(state);
}

void delete_keyframe(AppState& state) {
    disable_fkeys(state.panel);
    const auto x = entered_frame(state, true);
    if (!x) return;
    MoveModel& m = state.move;
    const int n = m.keyframe_count();
    for (int i = 1; i <= n; ++i) {
        if (m.frame_of(0, i) != *x) continue;
        for (int j = i + 1; j <= n; ++j) copy_row(m, j - 1, j);
        --m.nextkf;
        break;
    }
    for (int a = 0; a < move_axes; ++a) m.movepos.at(1, a) = 0;
    calculate_linear(m);
    show_keyframe_count(state);
    refresh_graph(state);
    rebuild_keyframe_lists_after_delete(state);
}

void clear_move(AppState& state) {
    MoveModel& m = state.move;
    for (auto& axis : m.kfcorr) std::fill(axis.begin(), axis.begin() + 256, 0.0);
    m.nextkf = 1;
    for (const char* list : keyframe_lists) state.panel.set_text(list, "");
    state.panel.set_text("keyframes", "0");
    const int last = std::min(m.totalframes, m.rows());
    for (int f = 1; f <= last; ++f)
        for (int a = 0; a < move_axes; ++a) m.movepos.at(f, a) = 0;
    draw_graph(state);
}

void rebuild_keyframe_lists(AppState& state) { rebuild_lists(state, ""); }
void rebuild_keyframe_lists_after_delete(AppState& state) { rebuild_lists(state, "0\r\n"); }

}  // namespace kestrova
