#include "shaping/smoothing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "base/numeric.h"
#include "move/fkey_status.h"
#include "move/linear_move.h"
#include "shaping/controls.h"
#include "shaping/messages.h"

namespace kestrova {

namespace {

constexpr double int32_limit = 2147483647.0;
// Window places summed over all passes: under a second of work (bench_shaping,
// BM_SmoothingAtTheWorkLimit). More would freeze the window for longer, the rig
// holding its position meanwhile.
constexpr double max_window_places = 2.5e8;

int frames_in_move(const MoveModel& m) { return std::min(m.totalframes, m.rows()); }

// A whole number from 1 to 32767 as the only content of a box, else nothing.
std::optional<int> whole_count(const std::optional<double>& v) {
    if (!v || *v != num::int_floor(*v) || *v < 1 || *v > 32767) return std::nullopt;
    return static_cast<int>(*v);
}

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

}  // namespace

Result<SmoothingParams> read_smoothing_params(const ShapingState& shaping, const MoveModel& move) {
    const auto width = whole_count(shaping.width_entry);
    if (!width) return fail(shaping_msg::width_not_valid);
    const int frames = frames_in_move(move);
    if (*width > frames) return fail(shaping_msg::width_beyond_move(frames));
    const auto passes = whole_count(shaping.passes_entry);
    if (!passes) return fail(shaping_msg::passes_not_valid);
    const SmoothingParams params{*width, *passes};
    if (Result<> ok = check_smoothing(move, params); !ok) return fail(ok.error());
    return params;
}

Result<> check_smoothing(const MoveModel& move, SmoothingParams params) {
    const int frames = frames_in_move(move);
    if (params.width > frames) return fail(shaping_msg::width_beyond_move(frames));
    if (static_cast<double>(frames) * (2.0 * params.width + 1) * params.passes > max_window_places)
        return fail(shaping_msg::too_much_work);
    if (!axis_e_sums_fit(move, params.width)) return fail(shaping_msg::axis_e_sum_too_large);
    return {};
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

void smooth(MoveModel& move, SmoothingParams params) {
    for (int pass = 1; pass <= params.passes; ++pass) smooth_pass(move, params.width);
}

Result<> smooth_all(ShapingContext& ctx) {
    Panel& p = ctx.panel;
    p.show(ctl::smoothing_readout_box, "");
    disable_fkeys(p);
    const Result<SmoothingParams> params = read_smoothing_params(ctx.shaping, ctx.move);
    if (!params) return fail(params.error());
    p.set_enabled(ctl::smooth_button, false);
    ctx.shaping.smoothwidth = params->width;
    ctx.shaping.smoothpasses = params->passes;
    smooth(ctx.move, params.value());
    p.show(ctl::smoothing_readout_box, first_frames_of_a(ctx.move));
    ctx.refresh_chart();
    p.set_enabled(ctl::smooth_button, true);
    return {};
}

void recal_corrected(ShapingContext& ctx) {
    disable_fkeys(ctx.panel);
    if (ctx.move.keyframe_count() < 1)
        ctx.notices.say(shaping_msg::no_keyframes_to_correct);
    else
        calculate_linear(ctx.move, &ctx.move.kfcorr);
    show_keyframe_count(ctx.panel, ctx.move);
    ctx.refresh_chart();
}

Result<> corrected_smoothing(ShapingContext& ctx) {
    // Refuse before anything changes when the smoothing cannot run.
    if (Result<SmoothingParams> params = read_smoothing_params(ctx.shaping, ctx.move); !params)
        return fail(params.error());
    MoveModel& m = ctx.move;
    ctx.panel.show(ctx.readout_box, "");
    recal_corrected(ctx);
    if (Result<> done = smooth_all(ctx); !done) return done;
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
    ctx.panel.show(ctx.readout_box, readout);
    recal_corrected(ctx);
    return smooth_all(ctx);
}

void clear_corrections(MoveModel& move) {
    for (auto& axis : move.kfcorr) std::fill(axis.begin(), axis.begin() + 256, 0.0);
}

}  // namespace kestrova
