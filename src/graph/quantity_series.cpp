#include "graph/quantity_series.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kestrova {

namespace {

// Values a second from values per frame, and per frame per frame.
constexpr double per_second = frames_per_second;
constexpr double per_second2 = frames_per_second * frames_per_second;

// Pulses in one shown unit: pp_rev where the axis has a unit.
double pulses_per_unit(const AxisSettings& axes, int line) {
    return shown_in_units(axes, line) ? std::fabs(axes.pp_rev[static_cast<std::size_t>(line)]) : 1.0;
}

// Rounding noise of a calculated move must not count as beyond.
bool beyond(double value, double limit) { return std::fabs(value) > limit + 1e-9 * std::max(1.0, limit); }

}  // namespace

std::vector<double> quantity_series(const MoveModel& m, const AxisSettings& axes, int line, Quantity q) {
    const int frames = std::max(0, std::min(m.totalframes, m.rows()));
    std::vector<double> out(static_cast<std::size_t>(frames), 0.0);
    if (q == Quantity::position) return out;
    const auto i = static_cast<std::size_t>(line);
    // The engine's clamp: a lower limit above the upper one leaves only the upper.
    const double lo = std::min(axes.min[i], axes.max[i]), hi = axes.max[i];
    const double scale = (q == Quantity::speed ? per_second : per_second2) / pulses_per_unit(axes, line);
    double last_target = frames > 0 ? std::clamp(m.movepos.at(1, line), lo, hi) : 0.0;
    double last_step = 0;
    for (int f = 2; f <= frames; ++f) {
        const double target = std::clamp(m.movepos.at(f, line), lo, hi);
        const double step = target - last_target;
        double value = step;
        if (q == Quantity::acceleration) {
            value = step - last_step;
            if (f == frames && std::fabs(step) > std::fabs(value)) value = -step;  // and then it stops
        }
        out[static_cast<std::size_t>(f - 1)] = value * scale;
        last_target = target;
        last_step = step;
    }
    return out;
}

double quantity_limit(const AxisSettings& axes, int line, Quantity q) {
    const auto i = static_cast<std::size_t>(line);
    if (q == Quantity::speed) return std::fabs(axes.mSpeed[i]) * per_second / pulses_per_unit(axes, line);
    if (q == Quantity::acceleration) return std::fabs(axes.acc[i]) * per_second2 / pulses_per_unit(axes, line);
    return 0;
}

std::vector<GraphState::Mark> frames_beyond(const GraphState& g, const AxisSettings& axes) {
    std::vector<GraphState::Mark> out;
    if (g.quantity == Quantity::position) return out;
    std::size_t frames = 0;
    for (const auto& line : g.series) frames = std::max(frames, line.size());
    std::array<double, chart_lines> limits{};
    for (int c = 0; c < chart_lines; ++c) limits[static_cast<std::size_t>(c)] = quantity_limit(axes, c, g.quantity);
    for (std::size_t f = 0; f < frames; ++f) {
        bool over = false;
        for (int c = 0; c < chart_lines && !over; ++c) {
            const auto& line = g.series[static_cast<std::size_t>(c)];
            over = g.showaxis[static_cast<std::size_t>(c)] && f < line.size() &&
                   beyond(line[f], limits[static_cast<std::size_t>(c)]);
        }
        if (!over) continue;
        const int frame = static_cast<int>(f) + 1;
        if (!out.empty() && out.back().last == frame - 1)
            out.back().last = frame;
        else
            out.push_back({frame, frame, g.quantity == Quantity::acceleration});
    }
    return out;
}

ValueRange widen_to_limits(ValueRange r, const GraphState& g, const AxisSettings& axes) {
    for (int c = 0; c < chart_lines; ++c) {
        if (!g.showaxis[static_cast<std::size_t>(c)]) continue;
        const double limit = quantity_limit(axes, c, g.quantity) * 1.05;  // the line clear of the edge
        r.min = std::min(r.min, -limit);
        r.max = std::max(r.max, limit);
    }
    return r;
}

}  // namespace kestrova
