#include "shaping/smoothing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "graph/move_graph.h"
#include "move/linear_move.h"
#include "shaping/messages.h"
#include "app/fkey_status.h"

namespace kestrova {

namespace {

constexpr double int32_limit = 2147483647.0;
// Window places summed over all passes; about half a second of work here. More
// would freeze the window (the rig only holds its position meanwhile).
constexpr double max_window_places = 2.5e8;

int frames_in_move(const MoveModel& m) { return std::min(m.totalframes, m.rows()); }

// The first 30 frames of axis A as whole numbers, one a line.
std::string first_frames_of_a(const MoveModel& m) {
    std::string text;
    const int last = std::min(frames_in_move(m), 30);
    for (int g = 1; g <= last; ++g) {
        text += num::to_text(num::round_half_even(m.movepos.at(g, 0)));
        text += "\r\n";
    }
    return text;
}

void redraw(AppState& state) {
    if (state.graph.speedmode)
        refresh_graph(state);
    else
        draw_graph(state);
}

}  // namespace

std::optional<SmoothingParams> read_smoothing_params(AppState& state) {
    const num::Reading w = num::read_prefix(state.panel.text("smooth"));
    // A fractional width counts in whole frames.
    const double width = num::int_floor(w.value);
    if (!w.found || w.overflow || !(width >= 1)) {
        state.notices.say(shaping_msg::width_not_valid);
        return std::nullopt;
    }
    const int frames = frames_in_move(state.move);
    if (width > frames) {
        state.notices.say(shaping_msg::width_beyond_move(frames));
        return std::nullopt;
    }
    const auto passes = num::to_int16(num::val(state.panel.text("smoothtimes")));
    if (!passes) {
        state.notices.say(shaping_msg::passes_out_of_range);
        return std::nullopt;
    }
    const int runs = std::max<int>(*passes, 1);
    if (static_cast<double>(frames) * (2 * width + 1) * runs > max_window_places) {
        state.notices.say(shaping_msg::too_much_work);
        return std::nullopt;
    }
    if (!axis_e_sums_fit(state.move, static_cast<int>(width))) {
        state.notices.say(shaping_msg::axis_e_sum_too_large);
        return std::nullopt;
    }
    return SmoothingParams{static_cast<int>(width), runs};
}

bool axis_e_sums_fit(const MoveModel& m, int width) {
    // Averages stay between the lowest and highest value, so the first pass
    // bounds every later one (give or take the rounding of each sum).
    double largest = 0;
    for (int f = 1; f <= frames_in_move(m); ++f) largest = std::max(largest, std::fabs(m.movepos.at(f, 4)));
    const double places = 2.0 * width + 1;
    return (largest + 1) * places <= int32_limit;
}

void smooth_pass(MoveModel& m, int w) {
    const int last = frames_in_move(m);
    const double places = 2.0 * w + 1;
    for (int f = 1; f <= last; ++f) {
        double a = 0, b = 0, c = 0, d = 0, e = 0;
        const int lo = f - w, hi = f + w;
        auto add = [&](int row) {
            a += m.movepos.at(row, 0);
            b += m.movepos.at(row, 1);
            c += m.movepos.at(row, 2);
            d += m.movepos.at(row, 3);
            e = num::round_half_even(e + m.movepos.at(row, 4));
        };
        if (lo >= 1 && hi <= last) {
            for (int k = lo; k <= hi; ++k) add(k);
        } else {
            for (int k = lo; k <= hi; ++k) add(std::clamp(k, 1, last));
        }
        const bool keep_a = f == 1 || f == last;
        m.smoothpos.at(f, 0) = keep_a ? m.movepos.at(f, 0) : a / places;
        m.smoothpos.at(f, 1) = b / places;
        m.smoothpos.at(f, 2) = c / places;
        m.smoothpos.at(f, 3) = d / places;
        m.smoothpos.at(f, 4) = num::round_half_even(e / places);
    }
    for (int g = 1; g <= last; ++g)
        for (int col = 0; col < move_axes; ++col) m.movepos.at(g, col) = m.smoothpos.at(g, col);
}

void smooth_all(AppState& state) {
    Panel& p = state.panel;
    p.set_text("Text23", "");
    disable_fkeys(p);
    const auto params = read_smoothing_params(state);
    if (!params) return;
    p.set_enabled("smoothall", false);
    state.shaping.smoothwidth = params->width;
    state.shaping.smoothpasses = params->passes;
    for (int pass = 1; pass <= params->passes; ++pass) smooth_pass(state.move, params->width);
    p.set_text("Text23", first_frames_of_a(state.move));
    redraw(state);
    p.set_enabled("smoothall", true);
}

void recal_corrected(AppState& state) {
    disable_fkeys(state.panel);
    if (state.move.keyframe_count() < 1)
        state.notices.say(shaping_msg::no_keyframes_to_correct);
    else
        calculate_linear(state.move, &state.move.kfcorr);
    show_keyframe_count(state);
    refresh_graph(state);
}

void corrected_smoothing(AppState& state) {
    // Refuse before anything changes when the smoothing cannot run.
    if (!read_smoothing_params(state)) return;
    MoveModel& m = state.move;
    state.panel.set_text("Text24", "");
    recal_corrected(state);
    smooth_all(state);
    std::string readout;
    for (int k = 3; k <= m.nextkf - 3 && k <= correction_rows; ++k) {
        for (int a = 0; a < move_axes; ++a) {
            double& corr = m.kfcorr[a][static_cast<std::size_t>(k - 1)];
            const int frame = m.frame_of(a, k);
            // A keyframe at frame 0 has no frame of the move to miss.
            if (m.movepos.has_frame(frame)) corr += m.pos_of(a, k) - m.movepos.at(frame, a);
            readout += num::to_text(num::int_floor(corr)) + "," + num::to_text(k) + "\r\n";
        }
    }
    state.panel.set_text("Text24", readout);
    recal_corrected(state);
    smooth_all(state);
}

void clear_corrections(AppState& state) {
    for (auto& axis : state.move.kfcorr) std::fill(axis.begin(), axis.begin() + 256, 0.0);
}

}  // namespace kestrova
