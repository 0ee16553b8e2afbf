#include "graph/chart_data.h"

#include <algorithm>
#include <cmath>

#include "base/numeric.h"

namespace kestrova {

namespace {

int chart_rows(const GraphState& g) { return static_cast<int>(g.series[0].size()); }

}  // namespace

FrameWindow visible_frames(const GraphState& g) {
    const int rows = std::max(chart_rows(g), 1);
    if (g.zoom_first >= 1 && g.zoom_last > g.zoom_first && g.zoom_last <= rows)
        return {g.zoom_first, g.zoom_last};
    return {1, rows};
}

std::vector<ChartPoint> reduce_line(std::span<const double> values, FrameWindow w, int columns) {
    std::vector<ChartPoint> out;
    const int first = std::max(w.first, 1);
    const int last = std::min<int>(w.last, static_cast<int>(values.size()));
    if (last < first) return out;
    auto at = [&](int f) { return ChartPoint{double(f), values[static_cast<std::size_t>(f - 1)]}; };
    const int count = last - first + 1;
    columns = std::max(columns, 1);
    if (count <= 2 * columns) {
        out.reserve(static_cast<std::size_t>(count));
        for (int f = first; f <= last; ++f) out.push_back(at(f));
        return out;
    }
    out.reserve(static_cast<std::size_t>(columns) * 4);
    for (int col = 0; col < columns; ++col) {
        // Frames of this pixel column; the split is even over the window.
        const int a = first + static_cast<int>(static_cast<long long>(count) * col / columns);
        const int b = first + static_cast<int>(static_cast<long long>(count) * (col + 1) / columns) - 1;
        if (b < a) continue;
        int lo = a, hi = a;
        for (int f = a + 1; f <= b; ++f) {
            const double v = values[static_cast<std::size_t>(f - 1)];
            if (v < values[static_cast<std::size_t>(lo - 1)]) lo = f;
            if (v > values[static_cast<std::size_t>(hi - 1)]) hi = f;
        }
        const int mid1 = std::min(lo, hi), mid2 = std::max(lo, hi);
        for (int f : {a, mid1, mid2, b})
            if (out.empty() || out.back().frame != f) out.push_back(at(f));
    }
    return out;
}

ValueRange value_range(const GraphState& g, FrameWindow w) {
    double lo = 0, hi = 0;
    bool any = false;
    auto take = [&](const std::vector<double>& line) {
        const int last = std::min<int>(w.last, static_cast<int>(line.size()));
        for (int f = std::max(w.first, 1); f <= last; ++f) {
            const double v = line[static_cast<std::size_t>(f - 1)];
            if (!std::isfinite(v)) continue;
            if (!any) lo = hi = v;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
            any = true;
        }
    };
    for (const auto& line : g.series) take(line);
    // The move before a retiming, drawn faintly behind the position, fits as well.
    if (g.quantity == GraphState::Quantity::position)
        for (const auto& line : g.previous) take(line);
    const double span = hi - lo;
    if (span <= 0) {
        const double pad = std::max(1.0, std::fabs(lo) * 0.1);
        return {lo - pad, hi + pad};
    }
    return {lo - span * 0.05, hi + span * 0.05};
}

double nice_step(double span, int labels, double smallest) {
    const double raw = std::max(span / std::max(labels, 1), smallest);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw * (1 - 1e-9)) return std::max(m * power, smallest);
    return 10 * power;
}

FrameTicks frame_ticks(FrameWindow w, int max_labels) {
    return {0, nice_step(std::max(w.last - w.first, 1), std::min(max_labels, 10), 1)};
}

FrameTicks second_ticks(FrameWindow w, int max_labels) {
    const double span = seconds_of(w.last) - seconds_of(w.first);
    return {0, nice_step(std::max(span, 1 / frames_per_second), std::min(max_labels, 10), 1 / frames_per_second)};
}

std::vector<int> keyframe_frames(const MoveModel& m, int line, FrameWindow w) {
    std::vector<int> out;
    const auto& frames = m.kfframe[static_cast<std::size_t>(line)];
    const int count = std::min<int>(m.keyframe_count(), static_cast<int>(frames.size()));
    for (int k = 0; k < count; ++k) {
        const int f = frames[static_cast<std::size_t>(k)];
        if (f >= w.first && f <= w.last) out.push_back(f);
    }
    return out;
}

std::vector<Band> band_columns(const GraphState& g, FrameWindow w, int columns) {
    return band_columns(g.marks, w, columns);
}

std::vector<Band> band_columns(std::span<const GraphState::Mark> marks, FrameWindow w, int columns) {
    std::vector<Band> out(static_cast<std::size_t>(std::max(columns, 0)), Band::none);
    // The frame axis runs from the window's first to its last frame (at least one frame wide).
    const double span = std::max(w.last - w.first, 1);
    for (const GraphState::Mark& m : marks) {
        // A band covers its frames from half a frame before to half a frame after.
        const double from = (m.first - 0.5 - w.first) / span * columns;
        const double to = (m.last + 0.5 - w.first) / span * columns;
        const int a = std::max(0, static_cast<int>(std::floor(from)));
        const int b = std::min(columns, static_cast<int>(std::ceil(to)));
        const Band kind = m.acceleration ? Band::acceleration : Band::limit;
        for (int x = a; x < b; ++x) out[static_cast<std::size_t>(x)] = std::max(out[static_cast<std::size_t>(x)], kind);
    }
    return out;
}

Band band_at(const GraphState& g, int frame) { return band_at(g.marks, frame); }

Band band_at(std::span<const GraphState::Mark> marks, int frame) {
    Band found = Band::none;
    for (const GraphState::Mark& m : marks)
        if (m.first <= frame && frame <= m.last)
            found = std::max(found, m.acceleration ? Band::acceleration : Band::limit);
    return found;
}

std::string pointer_readout(const PlotRect& r, ValueRange frames, ValueRange values, float x, float y,
                            int buttons) {
    std::string xt = "N.A.", yt = "N.A.";
    const bool has_area = r.max_x > r.min_x && r.max_y > r.min_y;
    if (has_area && r.min_x <= x && x <= r.max_x && r.min_y <= y && y <= r.max_y) {
        xt = num::to_text((x - r.min_x) * (frames.max - frames.min) / (r.max_x - r.min_x) + frames.min);
        yt = num::to_text((y - r.min_y) * (values.max - values.min) / (r.min_y - r.max_y) + values.max);
    }
    return " " + xt + "\r\n" + yt + "\r\n\r\n" + num::to_text(buttons);
}

int pick_line(const GraphState& g, int frame, double value, double tolerance) {
    int best = -1;
    double best_distance = tolerance;
    for (int c = 0; c < chart_lines; ++c) {
        const auto& line = g.series[static_cast<std::size_t>(c)];
        if (frame < 1 || frame > static_cast<int>(line.size())) continue;
        const double d = std::fabs(line[static_cast<std::size_t>(frame - 1)] - value);
        if (d <= best_distance) {
            best = c;
            best_distance = d;
        }
    }
    return best;
}

}  // namespace kestrova
