#include "app/editing_commands.h"

#include <algorithm>

#include "app/command_labels.h"
#include "app/contexts.h"
#include "app/event_dispatch.h"
#include "app/keyframe_drag.h"
#include "app/messages.h"
#include "app/retime_commands.h"
#include "files/controls.h"
#include "files/csv_file.h"
#include "files/file_panel.h"
#include "files/move_file.h"
#include "axes/controls.h"
#include "base/numeric.h"
#include "check/messages.h"
#include "engine/move_lock.h"
#include "graph/move_graph.h"
#include "move/controls.h"
#include "move/history_messages.h"
#include "move/keyframe_editing.h"
#include "move/move_length.h"

namespace kestrova {

namespace {

// After undo or redo: the length, the keyframes and the chart show the move.
void show_move_again(AppState& s) {
    show_whole_move(s.panel, s.move);
    set_chart_rows(s.graph, s.move.totalframes);
    s.graph.divisions_per_label = divisions_per_label(s.move.totalframes);
    draw_graph(graph_context(s));
}

void report(AppState& s, const Result<>& r) {
    s.notices.report(r);
    update_move_check(s);
}

}  // namespace

void update_move_check(AppState& s) {
    follow_edit(s);  // pins and the faint move before a retiming follow every change
    const int divider = s.engine.play.playdiv >= 1 ? static_cast<int>(s.engine.play.playdiv) : 1;
    s.check = check_move(s.move, s.axes, divider);
    s.check_line = check_summary(s.check, move_axis_names(s.axis_names));
    // The chart shades where the move asks too much.
    std::vector<GraphState::Mark> marks;
    for (const auto& axis : s.check.axes)
        for (const CheckFinding& f : axis)
            marks.push_back({f.first, f.last, f.kind == FindingKind::acceleration});
    const bool same = marks.size() == s.graph.marks.size() &&
                      std::equal(marks.begin(), marks.end(), s.graph.marks.begin(), [](const auto& a, const auto& b) {
                          return a.first == b.first && a.last == b.last && a.acceleration == b.acceleration;
                      });
    if (!same) {
        s.graph.marks = std::move(marks);
        ++s.graph.marks_revision;
    }
}

void ask_before_playing(AppState& s, std::function<void()> play) {
    update_move_check(s);
    if (!s.check.needs_confirmation()) {
        play();
        return;
    }
    s.notices.box = MessageBoxRequest{.title = check_msg::play_anyway_title,
                                      .text = check_msg::play_anyway(s.check_line),
                                      .ok_cancel = true,
                                      .exclamation = true,
                                      .answer = [play = std::move(play)](bool ok) {
                                          if (ok) play();
                                      }};
}

void install_editing(AppState& s) {
    s.editing.set_show_move([&s] { show_move_again(s); });
    s.editing.set_guard([&s] { return may_change_move(s.engine); });
    s.panel.set_around([&s](std::string_view control, const Panel::Action& command) {
        cancel_keyframe_drag(s);  // a pad button or a tick's press meets the move as it was
        const bool edits = changes_what_rig_follows(control, s.files);
        report(s, s.editing.around(command_label(control, s.panel, s.move, s.move_entries), [&] {
            command();
            dispatch_events(s);
        }, edits));
    });
    s.form1.set_around([&s](std::string_view, const Panel::Action& command) {
        command();
        dispatch_events(s);
        update_move_check(s);
    });
    update_move_check(s);
}

bool save_move_again(AppState& s) {
    const std::filesystem::path& file = s.editing.file();
    if (file.empty()) {
        s.panel.press(ctl::save_move_menu);
        s.notices.say(app_msg::name_first);
        return false;
    }
    change_folder(s.files, file.parent_path().string());
    return save_move_file(files_context(s), file.filename().string());
}

bool export_csv_file(AppState& s, const std::filesystem::path& path) {
    return export_move_csv(files_context(s), path);
}

bool import_csv_file(AppState& s, const std::filesystem::path& path) {
    bool ok = false;
    report(s, s.editing.around(
                  history_msg::label::import_csv, [&] {
                      ok = import_move_csv(files_context(s), path);
                      dispatch_events(s);
                  }, true));
    return ok;
}

bool load_recent_move(AppState& s, const std::filesystem::path& path) {
    bool ok = false;
    report(s, s.editing.around(
                  history_msg::label::load_move,
                  [&] {
                      change_folder(s.files, path.parent_path().string());
                      ok = load_move_file(files_context(s), path.filename().string());
                      dispatch_events(s);
                  },
                  true));
    return ok;
}

void undo_move(AppState& s) { report(s, s.editing.undo()); }
void redo_move(AppState& s) { report(s, s.editing.redo()); }

}  // namespace kestrova
