#include "app/keyframe_table.h"

#include <cstdio>

#include "app/editing_commands.h"
#include "app/event_dispatch.h"
#include "app/messages.h"
#include "app/retime_commands.h"
#include "base/numeric.h"
#include "move/controls.h"
#include "move/history_messages.h"
#include "move/keyframe_cell.h"
#include "move/keyframe_editing.h"

namespace kestrova {

namespace {

constexpr int time_column = 1;
constexpr double frames_per_second = 25;

std::string fixed2(double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", x);
    return text;
}

}  // namespace

std::string keyframe_table_header(const AxisNames& names, const AxisSettings& axes, int column) {
    if (column == keyframe_frame_value) return app_msg::table_frame;
    if (column == time_column) return app_msg::table_time;
    const auto a = static_cast<std::size_t>(column - 2);
    std::string name = names[a].empty() ? std::string(1, static_cast<char>('A' + a)) : names[a];
    if (!axes.unit[a].empty()) name += " (" + axes.unit[a] + ")";
    return name;
}

std::string keyframe_table_cell(const MoveModel& move, const AxisSettings& axes, int row, int column) {
    const int frame = move.frame_of(0, row);
    if (column == keyframe_frame_value) return num::to_text(frame);
    if (column == time_column) return fixed2((frame - 1) / frames_per_second) + " s";
    const int axis = column - 2;
    const double pulses = move.pos_of(axis, row);
    return shown_in_units(axes, axis) ? fixed2(pulses / axes.pp_rev[static_cast<std::size_t>(axis)]) : num::to_text(pulses);
}

bool keyframe_table_editable(int column) { return column >= 0 && column < keyframe_table_columns && column != time_column; }

void select_keyframe(AppState& s, int row) {
    if (row < 1 || row > s.move.keyframe_count()) {
        s.graph.marked_frame = 0;
        return;
    }
    s.graph.marked_frame = s.move.frame_of(0, row);
    show_position_frame(s.panel, s.graph.marked_frame);
}

void edit_keyframe_cell(AppState& s, int row, int column, const std::string& text) {
    if (!keyframe_table_editable(column)) return;
    std::optional<double> value = num::whole_number(text);
    if (!value) {
        s.notices.say(app_msg::table_value_not_number(text));
        return;
    }
    const int index = column == keyframe_frame_value ? keyframe_frame_value : column - 1;
    if (index != keyframe_frame_value && shown_in_units(s.axes, index - 1)) *value *= s.axes.pp_rev[static_cast<std::size_t>(index - 1)];
    bool done = false;
    const int old_frame = s.move.frame_of(0, row);
    s.notices.report(s.editing.around(history_msg::label::edit_keyframe, [&] {
        MoveContext ctx = s.move_context();
        const Result<> r = edit_keyframe(ctx, row, index, *value);
        s.notices.report(r);
        done = static_cast<bool>(r);
        dispatch_events(s);
    }, true));
    // The edited keyframe stays the selected one.
    if (done && index == keyframe_frame_value) {
        move_pin(s, old_frame, static_cast<int>(*value));
        if (const std::optional<int> moved = keyframe_row(s.move, static_cast<int>(*value))) select_keyframe(s, *moved);
    }
    update_move_check(s);
}

void delete_keyframe_row(AppState& s, int row) {
    if (row < 1 || row > s.move.keyframe_count()) return;
    show_position_frame(s.panel, s.move.frame_of(0, row));
    s.panel.press(ctl::delete_keyframe_button);
    if (!keyframe_row(s.move, s.graph.marked_frame)) s.graph.marked_frame = 0;
}

}  // namespace kestrova
