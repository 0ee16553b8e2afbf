#include "retime/path_timing.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

using Steps = std::array<double, move_axes>;

constexpr double unbounded = 1e12;

// A stretch of the old path taken as the straight line between its ends. A
// step along it covers `u` old frames and moves every axis by u * dir, give or
// take twice how far the path strays from that line (`bulge`), so the limits,
// less that, bound u and its change.
struct Leg {
    int from = 1;  // old frames
    int to = 2;
    bool straight = true;
    Steps dir{};         // pulses per old frame
    Steps bulge{};       // pulses
    double speed = 0;    // the largest step
    double acc = 0;      // the largest change of step within the leg
    double landing = 0;  // the largest step onto its end that the rest of the path can follow

    double length() const { return to - from; }
};

// Segments go on one straight line while each axis's step stays the same,
// up to the rounding of the calculated positions.
bool straight_on(const Steps& first, const Steps& next) {
    for (std::size_t a = 0; a < move_axes; ++a)
        if (std::fabs(first[a] - next[a]) > 1e-9 * std::max({1.0, std::fabs(first[a]), std::fabs(next[a])})) return false;
    return true;
}

// How far old frames from..to stray from the line between the two, per axis.
Steps bulge_of(const PathPoints& p, int from, int to) {
    Steps most{};
    const auto& a0 = p[static_cast<std::size_t>(from) - 1];
    const auto& a1 = p[static_cast<std::size_t>(to) - 1];
    for (int f = from + 1; f < to; ++f)
        for (std::size_t a = 0; a < move_axes; ++a) {
            const double line = a0[a] + (a1[a] - a0[a]) * (f - from) / (to - from);
            most[a] = std::max(most[a], std::fabs(p[static_cast<std::size_t>(f) - 1][a] - line));
        }
    return most;
}

// A curved stretch is taken as one leg while it is short and close to its
// chord, so that a step may pass over the old frames of a rounded corner.
// Not where a step may cover one old frame at most: there a curved stretch
// lands on every old frame, and keeps the ones the limits do not touch.
constexpr int longest_curved = 16;
constexpr double close_to_chord = 0.03;  // of the smaller of the speed and the acceleration

bool close_enough(const Steps& bulge, const PathLimits& lim) {
    for (std::size_t a = 0; a < move_axes; ++a)
        if (bulge[a] > close_to_chord * std::min(lim.speed[a], lim.acc[a])) return false;
    return true;
}

std::vector<Leg> legs_of(const PathPoints& p, const PathLimits& lim, const std::vector<double>& cap,
                         const std::vector<double>& stops) {
    std::vector<Leg> legs;
    Steps first{};
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        Steps d;
        for (std::size_t a = 0; a < move_axes; ++a) d[a] = p[i + 1][a] - p[i][a];
        const int frame = static_cast<int>(i) + 1;
        const bool stop = std::binary_search(stops.begin(), stops.end(), static_cast<double>(frame));
        if (legs.empty() || stop || cap[i] != cap[i - 1]) {
            legs.push_back(Leg{frame, frame + 1});
            first = d;
            continue;
        }
        Leg& g = legs.back();
        if (g.straight && straight_on(first, d)) {
            g.to = frame + 1;
        } else if (cap[i] > 1 && g.length() < longest_curved && close_enough(bulge_of(p, g.from, frame + 1), lim)) {
            g.to = frame + 1;
            g.straight = false;
        } else {
            legs.push_back(Leg{frame, frame + 1});
            first = d;
        }
    }
    for (Leg& g : legs) {
        g.speed = std::min(unbounded, cap[static_cast<std::size_t>(g.from) - 1]);
        g.acc = unbounded;
        if (!g.straight) g.bulge = bulge_of(p, g.from, g.to);
        for (std::size_t a = 0; a < move_axes; ++a) {
            g.dir[a] = (p[static_cast<std::size_t>(g.to) - 1][a] - p[static_cast<std::size_t>(g.from) - 1][a]) / g.length();
            if (g.dir[a] == 0) continue;
            g.speed = std::min(g.speed, (lim.speed[a] - 2 * g.bulge[a]) / std::fabs(g.dir[a]));
            g.acc = std::min(g.acc, (lim.acc[a] - 4 * g.bulge[a]) / std::fabs(g.dir[a]));
        }
    }
    return legs;
}

// Steps along a leg of k frames whose first lies in [lo, hi]: the largest and
// the smallest at frame i (from 0), and their sums.
double top_step(const Leg& g, double hi, std::size_t k, std::size_t i) {
    return std::min({hi + static_cast<double>(i) * g.acc, g.speed, g.landing + static_cast<double>(k - 1 - i) * g.acc});
}

double bottom_step(const Leg& g, double lo, std::size_t i) { return std::max(lo - static_cast<double>(i) * g.acc, 0.0); }

double top_sum(const Leg& g, double hi, std::size_t k) {
    double sum = 0;
    for (std::size_t i = 0; i < k; ++i) sum += top_step(g, hi, k, i);
    return sum;
}

double bottom_sum(const Leg& g, double lo, std::size_t k) {
    const double m = std::min(static_cast<double>(k), std::floor(lo / g.acc) + 1);  // the steps above 0
    return m * lo - g.acc * m * (m - 1) / 2;
}

// The fewest frames that cover the leg with a first step in [lo, hi]: enough
// for the largest steps to reach its end, and for slowing down to the
// landing; 0 when more than `most`. `fits` tells whether the smallest steps
// then stay short of the end (else no timing crosses the leg from [lo, hi]).
std::size_t frames_across(const Leg& g, double lo, double hi, std::size_t most, bool& fits) {
    const double length = g.length();
    const auto enough = [&](std::size_t k) { return top_sum(g, hi, k) >= length * (1 - 1e-12); };
    std::size_t k_hi = 1;
    while (k_hi <= most && !enough(k_hi)) k_hi *= 2;
    std::size_t k_lo = k_hi / 2 + 1;
    k_hi = std::min(k_hi, most + 1);
    while (k_lo < k_hi) {
        const std::size_t mid = k_lo + (k_hi - k_lo) / 2;
        if (enough(mid)) k_hi = mid;
        else k_lo = mid + 1;
    }
    const double braking = lo > g.landing ? std::ceil((lo - g.landing) / g.acc) : 0;
    const std::size_t k = std::max(k_lo, static_cast<std::size_t>(std::min(braking, 1e15)) + 1);
    if (k > most) return 0;
    fits = bottom_sum(g, lo, k) <= length * (1 + 1e-12);
    return k;
}

// The steps across a leg in the fewest frames. Empty when there are none.
std::vector<double> cross(const Leg& g, double lo, double hi, std::size_t most) {
    bool fits = false;  // if not, the check will tell
    const std::size_t k = frames_across(g, lo, hi, most, fits);
    if (k == 0) return {};
    const double length = g.length();
    // The largest steps, held down to a ceiling where they would overshoot:
    // the landing stays as fast as it may, for the corner after it.
    std::vector<double> top(k), bottom(k), steps(k);
    for (std::size_t i = 0; i < k; ++i) {
        top[i] = top_step(g, hi, k, i);
        bottom[i] = bottom_step(g, lo, i);
    }
    const auto under = [&](double ceiling) {
        double sum = 0;
        for (std::size_t i = 0; i < k; ++i) sum += steps[i] = std::max(std::min(top[i], ceiling), bottom[i]);
        return sum;
    };
    double low = 0, high = *std::max_element(top.begin(), top.end());
    for (int i = 0; i < 100 && under(high) > length && high - low > 1e-13 * high; ++i) {
        const double mid = (low + high) / 2;
        (under(mid) > length ? high : low) = mid;
    }
    under(high);
    return steps;
}

// The steps out of the corner between `in` and `out` that keep every axis's
// change within its acceleration after a step u onto it; false when none does.
bool turn(const Leg& in, const Leg& out, double u, const PathLimits& lim, double& lo, double& hi) {
    lo = 0;
    hi = out.speed;
    for (std::size_t a = 0; a < move_axes; ++a) {
        const double before = u * in.dir[a];
        const double d = out.dir[a];
        const double acc = lim.acc[a] - in.bulge[a] - out.bulge[a];  // both steps end on the corner itself
        if (d == 0) {
            if (std::fabs(before) > acc) return false;
            continue;
        }
        double l = (before - acc) / d;
        double h = (before + acc) / d;
        if (d < 0) std::swap(l, h);
        lo = std::max(lo, l);
        hi = std::min(hi, h);
    }
    return lo <= hi && hi > 0;
}

// Backwards from the end, which the rig reaches at rest: the largest step onto
// each leg's end after which the next leg can start and still land on its own.
void find_landings(std::vector<Leg>& legs, const PathLimits& lim) {
    Leg& last = legs.back();
    last.landing = std::min(last.speed, last.acc);
    for (std::size_t j = legs.size() - 1; j-- > 0;) {
        Leg& g = legs[j];
        const Leg& next = legs[j + 1];
        const auto fits = [&](double u) {
            double lo = 0, hi = 0;
            bool crosses = false;
            return turn(g, next, u, lim, lo, hi) && frames_across(next, lo, hi, max_frames, crosses) > 0 && crosses;
        };
        if (fits(g.speed)) {
            g.landing = g.speed;
            continue;
        }
        double lo = 0, hi = g.speed;
        for (int i = 0; i < 60 && hi - lo > 1e-9 * g.speed; ++i) {
            const double mid = (lo + hi) / 2;
            (fits(mid) ? lo : hi) = mid;
        }
        g.landing = lo;
    }
}

}  // namespace

std::vector<double> pace_path(const PathPoints& points, const PathLimits& limits, const std::vector<double>& cap,
                              const std::vector<double>& stops, int most_frames) {
    if (points.size() < 2) return {1.0};
    std::vector<Leg> legs = legs_of(points, limits, cap, stops);
    find_landings(legs, limits);

    const std::size_t most = static_cast<std::size_t>(most_frames);
    std::vector<double> s{1.0};
    double u = 0;  // the last step, from rest
    for (std::size_t j = 0; j < legs.size(); ++j) {
        const Leg& g = legs[j];
        double lo = 0;
        double hi = std::min(g.acc, g.speed);
        if (j > 0 && !turn(legs[j - 1], g, u, limits, lo, hi)) lo = hi = 0;  // the check will tell
        if (s.size() >= most) return {};
        const std::vector<double> steps = cross(g, lo, hi, most - s.size());
        if (steps.empty()) return {};
        double here = g.from;
        for (std::size_t i = 0; i + 1 < steps.size(); ++i) s.push_back(here += steps[i]);
        s.push_back(g.to);
        u = steps.back();
    }
    return s;
}

}  // namespace kestrova
