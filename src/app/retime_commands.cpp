#include "app/retime_commands.h"

#include <algorithm>

#include "app/contexts.h"
#include "app/editing_commands.h"
#include "app/event_dispatch.h"
#include "app/messages.h"
#include "graph/move_graph.h"
#include "move/keyframe_editing.h"
#include "retime/messages.h"
#include "retime/retime.h"

namespace kestrova {

namespace {

std::vector<int> pinned_rows(const AppState& s) {
    std::vector<int> rows;
    for (int k = 1; k <= s.move.keyframe_count(); ++k)
        if (keyframe_pinned(s, k)) rows.push_back(k);
    return rows;
}

// The move as drawn in position view, for the faint copy behind the retimed one.
std::array<std::vector<double>, chart_lines> drawn_positions(const MoveModel& m) {
    std::array<std::vector<double>, chart_lines> lines;
    const int frames = std::min(m.totalframes, m.rows());
    for (int a = 0; a < chart_lines; ++a)
        for (int f = 1; f <= frames; ++f) lines[static_cast<std::size_t>(a)].push_back(m.movepos.at(f, a));
    return lines;
}

Result<Retimed> retimed(const AppState& s, Retiming how, const std::vector<int>& pins) {
    const int divider = s.engine.play.playdiv >= 1 ? static_cast<int>(s.engine.play.playdiv) : 1;
    const RetimeRequest request{s.move, s.axes, pins, s.retiming.share_percent / 100.0, divider, true};
    if (how == Retiming::fit) return fit_move(request);
    if (how == Retiming::fastest) return fit_fastest(request);
    if (!pins.empty()) return fail(app_msg::stretch_pinned(pins));
    if (!s.move_entries.length) return fail(app_msg::stretch_no_length);
    return stretch_move(request, static_cast<int>(*s.move_entries.length));
}

const std::string& label_of(Retiming how) {
    return how == Retiming::fit ? retime_msg::fit : how == Retiming::fastest ? retime_msg::fastest : retime_msg::stretch;
}

void set_previous(GraphState& graph, std::array<std::vector<double>, chart_lines> lines) {
    graph.previous = std::move(lines);
    ++graph.previous_revision;
}

}  // namespace

void retime_present_move(AppState& s, Retiming how) {
    std::optional<Retimed> done;
    auto before = drawn_positions(s.move);
    const long step_before = s.editing.step();
    const Result<> allowed = s.editing.around(label_of(how), [&] {
        Result<Retimed> r = retimed(s, how, pinned_rows(s));
        if (!r) {
            s.notices.say(r.error());
            return;
        }
        if (!r->changed) {
            s.notices.say(retime_msg::unchanged);
            return;
        }
        apply_retimed(s.move, r.value());
        show_whole_move(s.panel, s.move);
        set_chart_rows(s.graph, s.move.totalframes);
        refresh_graph(graph_context(s));
        done = std::move(r).value();
        dispatch_events(s);
    }, true);
    s.notices.report(allowed);
    if (done && s.editing.step() == step_before) {
        s.notices.say(retime_msg::same_move(label_of(how)));
    } else if (done) {
        s.notices.say(retime_summary(label_of(how), *done));
        set_previous(s.graph, std::move(before));
        s.retiming.drawn_step = s.editing.step();
    }
    update_move_check(s);  // and the pins and the faint move follow
}

Result<> set_retime_share(AppState& s, int percent) {
    if (percent < 1 || percent > 100) return fail(app_msg::share_out_of_range(percent));
    s.retiming.share_percent = percent;
    return {};
}

bool keyframe_pinned(const AppState& s, int row) {
    if (row < 1 || row > s.move.keyframe_count()) return false;
    const auto& pins = s.graph.pinned_frames;
    return std::binary_search(pins.begin(), pins.end(), s.move.frame_of(0, row));
}

void toggle_pin(AppState& s, int row) {
    if (row < 1 || row > s.move.keyframe_count()) return;
    auto& pins = s.graph.pinned_frames;
    const int frame = s.move.frame_of(0, row);
    const auto at = std::lower_bound(pins.begin(), pins.end(), frame);
    if (at != pins.end() && *at == frame)
        pins.erase(at);
    else
        pins.insert(at, frame);
    ++s.graph.revision;
}

void move_pin(AppState& s, int from, int to) {
    auto& pins = s.graph.pinned_frames;
    const auto at = std::find(pins.begin(), pins.end(), from);
    if (at == pins.end() || from == to) return;
    pins.erase(at);
    pins.insert(std::lower_bound(pins.begin(), pins.end(), to), to);
    ++s.graph.revision;
}

void follow_edit(AppState& s) {
    auto& pins = s.graph.pinned_frames;
    const auto gone = std::remove_if(pins.begin(), pins.end(), [&s](int f) { return !keyframe_row(s.move, f); });
    if (gone != pins.end()) {
        pins.erase(gone, pins.end());
        ++s.graph.revision;
    }
    if (!s.graph.previous[0].empty() && s.editing.step() != s.retiming.drawn_step) set_previous(s.graph, {});
}

}  // namespace kestrova
