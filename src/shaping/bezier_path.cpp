#include "shaping/bezier_path.h"

#include <algorithm>
#include <vector>

#include "base/numeric.h"
#include "shaping/controls.h"
#include "shaping/messages.h"

namespace kestrova {

namespace {

struct Knot {
    double x;  // frame
    double y;  // position
};

// The keyframes of one axis, in table order. A keyframe on the frame of the one
// before it makes a segment of no length: it is left out, so the path runs on
// from the first keyframe of the pair.
std::vector<Knot> knots_of(const MoveModel& m, int axis) {
    std::vector<Knot> knots;
    const int n = std::min(m.keyframe_count(), static_cast<int>(m.kfframe[axis].size()));
    knots.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int k = 1; k <= n; ++k) {
        const double x = m.frame_of(axis, k);
        if (!knots.empty() && x <= knots.back().x) continue;
        knots.push_back({x, double(m.pos_of(axis, k))});
    }
    return knots;
}

double slope(const std::vector<Knot>& k, std::size_t i) { return (k[i + 1].y - k[i].y) / (k[i + 1].x - k[i].x); }

// Samples of one axis into bzframe/bzpos, the first at frame 1.
void sample_axis(MoveModel& m, int axis, const std::vector<Knot>& k, double share, bool flat_extremes) {
    std::vector<double>& frames = m.bzframe[axis];
    std::vector<double>& positions = m.bzpos[axis];
    const std::size_t rows = frames.size();
    std::size_t count = 1;  // next sample row, 1-based
    auto store = [&](double f, double p) {
        frames[count - 1] = f;
        positions[count - 1] = p;
        ++count;
    };
    if (rows == 0) return;
    store(1, k[0].y);

    double m_start = 0;
    const std::size_t last = k.size() - 1;
    for (std::size_t i = 0; i < last; ++i) {
        const double d = k[i + 1].x - k[i].x;
        const double h = d * share / 100;
        double m_end = 0;
        if (i + 1 < last) {
            m_end = (slope(k, i) + slope(k, i + 1)) / 2;
            const double y0 = k[i].y, y1 = k[i + 1].y, y2 = k[i + 2].y;
            const bool peak = y1 >= y0 && y1 >= y2;
            const bool trough = y1 <= y0 && y1 <= y2;
            if (flat_extremes && (peak || trough)) m_end = 0;
        }
        const float fx0 = float(k[i].x), fx1 = float(k[i].x + h), fx2 = float(k[i + 1].x - h),
                    fx3 = float(k[i + 1].x);
        const float py0 = float(k[i].y), py1 = float(k[i].y + h * m_start),
                    py2 = float(k[i + 1].y - h * m_end), py3 = float(k[i + 1].y);
        const float dt = float(1 / d);
        // Sampling ends where the rows end: samples past them would not be
        // kept, and on a segment far longer than the move the single-precision
        // sum of steps would stop growing before it reaches 1.
        for (float t = dt; t < 1.0f && count <= rows; t += dt)
            store(bezier_point(t, fx0, fx1, fx2, fx3), bezier_point(t, py0, py1, py2, py3));
        m_start = m_end;
    }
}

// Linear interpolation of the samples at every whole frame. The search runs
// over every row up to the move's end, samples of earlier calculations included.
void resample_axis(MoveModel& m, int axis, double last_position) {
    const int end = std::min(m.totalframes, m.rows());
    if (end < 1) return;
    const std::vector<double>& bf = m.bzframe[axis];
    const std::vector<double>& bp = m.bzpos[axis];
    auto F = [&](int j) { return bf[static_cast<std::size_t>(j - 1)]; };
    auto P = [&](int j) { return bp[static_cast<std::size_t>(j - 1)]; };
    m.movepos.at(1, axis) = P(1);
    int j = 2;
    for (int f = 2; f <= end - 1; ++f) {
        while (F(j) < f && j < end) ++j;
        const double e = F(j) - F(j - 1);
        if (e == 0)
            m.movepos.at(f, axis) = m.movepos.at(f - 1, axis);
        else
            m.movepos.at(f, axis) = P(j - 1) + (f - F(j - 1)) / e * (P(j) - P(j - 1));
    }
    m.movepos.at(end, axis) = last_position;
}

}  // namespace

float bezier_point(float t, float p0, float p1, float p2, float p3) {
    // t is single precision, so t * t is exact and each cube is rounded once,
    // as the power operation would.
    const double td = t;
    const double u = 1.0 - td;
    return static_cast<float>(u * u * u * p0 + 3.0 * p1 * td * (u * u) + 3.0 * p2 * (td * td) * u +
                              (td * td * td) * p3);
}

int bezier_sample_count(int d) {
    if (d <= 0) return 0;
    int n = 0;
    const float dt = float(1.0 / d);
    for (float t = dt; t < 1.0f; t += dt) ++n;
    return n;
}

double handle_share(const ShapingContext& ctx) {
    const double v = ctx.shaping.handle_share;
    if (v > 0 && v < 101) return v;
    ctx.panel.set_text(ctl::handle_share_box, "20");
    return 20;
}

Result<> calculate_bezier(MoveModel& m, double share, bool flat_extremes) {
    std::array<std::vector<Knot>, move_axes> knots;
    for (int a = 0; a < move_axes; ++a) {
        knots[a] = knots_of(m, a);
        if (knots[a].size() < 2) return fail(shaping_msg::bezier_needs_two_frames);
    }
    for (int a = 0; a < move_axes; ++a) sample_axis(m, a, knots[a], share, flat_extremes);
    for (int a = 0; a < move_axes; ++a) resample_axis(m, a, knots[a].back().y);
    return {};
}

Result<> make_bezier(ShapingContext& ctx) {
    for (int a = 0; a < move_axes; ++a)
        if (knots_of(ctx.move, a).size() < 2) return fail(shaping_msg::bezier_needs_two_frames);
    ctx.panel.show(ctl::bezier_readout_box, "");
    ctx.panel.show(ctx.readout_box, "");
    const double share = handle_share(ctx);
    Result<> done = calculate_bezier(ctx.move, share, ctx.shaping.bzsmooth);
    ctx.refresh_chart();
    return done;
}

Result<> make_bezier_flat_extremes(ShapingContext& ctx) {
    ctx.shaping.bzsmooth = true;
    return make_bezier(ctx);
}

}  // namespace kestrova
