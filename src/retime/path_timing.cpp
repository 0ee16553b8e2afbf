#include "retime/path_timing.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kestrova {

namespace {

using Steps = std::array<double, move_axes>;  // one frame's step of every axis, pulses

// The old path, piecewise linear between its frames, and the limits a step
// along it must keep (scaled down, segment by segment, where a try failed).
class Path {
public:
    Path(const PathPoints& p, const PathLimits& lim, const std::vector<double>& cap, const std::vector<double>& slow,
         const std::vector<double>& stops)
        : p_(p), lim_(lim), cap_(cap), slow_(slow), stops_(stops), end_(static_cast<double>(p.size())) {}

    double end() const { return end_; }

    double at(double s, std::size_t a) const {
        const double whole = std::floor(s);
        const auto f = static_cast<std::size_t>(whole) - 1;
        if (f + 1 >= p_.size()) return p_.back()[a];
        return p_[f][a] + (s - whole) * (p_[f + 1][a] - p_[f][a]);
    }

    std::size_t segment(double s) const {
        return static_cast<std::size_t>(std::clamp(std::floor(s) - 1, 0.0, static_cast<double>(cap_.size() - 1)));
    }

    // The step from `from` to `to` keeps the speed, and changes the step `before` by no more than the acceleration.
    // Without `before`, only the speed and the path's shape count.
    bool allowed(double from, double to, const Steps* before, Steps& step) const {
        const double k = slow_[segment(std::min(from, to))];
        for (std::size_t a = 0; a < move_axes; ++a) {
            step[a] = at(to, a) - at(from, a);
            if (std::fabs(step[a]) > lim_.speed[a] * k) return false;
            if (before && std::fabs(step[a] - (*before)[a]) > lim_.acc[a] * k) return false;
        }
        return near_chord(std::min(from, to), std::max(from, to), k);
    }

    // A step over old frames keeps close to the straight line between its ends,
    // so that frames placed within it later move much as the step does.
    bool near_chord(double lo, double hi, double k) const {
        for (double b = std::floor(lo) + 1; b < hi; ++b) {
            const double part = (b - lo) / (hi - lo);
            for (std::size_t a = 0; a < move_axes; ++a) {
                const double chord = at(lo, a) + part * (at(hi, a) - at(lo, a));
                if (std::fabs(at(b, a) - chord) > lim_.acc[a] * k / 2) return false;
            }
        }
        return true;
    }

    // The largest step from s towards the end (or the start, when `back`) of at
    // most `most` that the limits allow after `before`, a step of `usual` size;
    // the step taken goes to `step`. Backwards a step that cannot shrink fast
    // enough is an acceleration of the move, which the forward pass limits:
    // there only the speed counts.
    double largest(double s, double most, double usual, bool back, const Steps& before, Steps& step) const {
        most = std::min(most, cap_[segment(back ? std::nextafter(s, 0.0) : s)] * slow_[segment(s)]);
        most = std::min(most, back ? s - 1 : end_ - s);
        // Never past a stop: a new frame lands on it, by a step small enough to turn its corner.
        const auto here = std::lower_bound(stops_.begin(), stops_.end(), s - 1e-9);
        if (here != stops_.end() && *here < s + 1e-9) most = std::min(most, turn(*here, !back));
        const auto next = back ? (here == stops_.begin() ? stops_.end() : here - 1)
                               : std::upper_bound(stops_.begin(), stops_.end(), s + 1e-9);
        if (next != stops_.end()) {
            const double gap = std::fabs(*next - s);
            const double landing = turn(*next, back);
            most = std::min(most, gap <= landing * (1 + 1e-9) ? gap : gap - landing);
        }
        double u = largest_within(s, most, usual, back, &before, step);
        if (u < 0) u = largest_within(s, most, usual, back, back ? nullptr : &before, step);
        if (u < 0) {
            u = most * 1e-3;  // stuck: creep on, the check catches the rest
            allowed(s, back ? s - u : s + u, nullptr, step);
        }
        return u;
    }

    // -1 when no step is allowed. The allowed steps are a range (too small
    // brakes too hard, too large is too fast): find one, then its top end.
    double largest_within(double s, double most, double usual, bool back, const Steps* before, Steps& step) const {
        const double dir = back ? -1 : 1;
        if (allowed(s, s + dir * most, before, step)) return most;
        double lo = -1;
        Steps trial;
        for (double k : {1.0, 0.9, 0.7, 0.5}) {
            const double u = usual * k;
            if (u > 0 && u < most && allowed(s, s + dir * u, before, trial)) {
                lo = u;
                break;
            }
        }
        for (double u = most / 2; lo < 0 && u > most * 1e-9; u /= 2)
            if (allowed(s, s + dir * u, before, trial)) lo = u;
        if (lo < 0) return -1;
        double hi = most;
        for (int i = 0; i < 40 && hi - lo > 1e-9 * most; ++i) {
            const double mid = (lo + hi) / 2;
            if (allowed(s, s + dir * mid, before, trial)) lo = mid;
            else hi = mid;
        }
        allowed(s, s + dir * lo, before, step);
        return lo;
    }

    // The largest step onto old frame f: the turn when f is a stop.
    double onto(double f) const { return std::binary_search(stops_.begin(), stops_.end(), f) ? turn(f, false) : 1e9; }

private:
    // The largest step (in old frames) into (or out of, `after`) a stop at old
    // frame f. The two sides share the acceleration, so that the change
    // between the steps keeps it however they are sized: the side in all it
    // can use up to its cap, when that leaves room, else a split that costs
    // the least time. No limit where the path goes straight on.
    double turn(double f, bool after) const {
        const auto i = static_cast<std::size_t>(f) - 1;
        if (i == 0 || i + 1 >= p_.size()) return 1e9;
        double in = 0, out = 0;  // the largest step each side, in accelerations
        bool straight = true;
        for (std::size_t a = 0; a < move_axes; ++a) {
            const double acc = lim_.acc[a] * slow_[i];
            const double before = p_[i][a] - p_[i - 1][a];
            const double next = p_[i + 1][a] - p_[i][a];
            straight = straight && before == next;
            if (before != 0) in = std::max(in, std::fabs(before) / acc);
            if (next != 0) out = std::max(out, std::fabs(next) / acc);
        }
        if (straight) return 1e9;
        const double share = in * cap_[i - 1] * slow_[i - 1] < 1 ? in * cap_[i - 1] * slow_[i - 1]
                                                         : std::sqrt(in) / (std::sqrt(in) + std::sqrt(out));
        if (after) return out > 0 ? (1 - share) / out : 1e9;
        return in > 0 ? share / in : 1e9;
    }

    const PathPoints& p_;
    const PathLimits& lim_;
    const std::vector<double>& cap_;
    const std::vector<double>& slow_;
    const std::vector<double>& stops_;
    double end_;
};

// The largest step from s from which the path can still come to rest at its
// end: steps taken backwards from the end, from rest, each as large as the
// limits allow; kept as (start of the step, its size) in ascending s.
class BrakingBound {
public:
    BrakingBound(const Path& path, std::size_t most) {
        double e = path.end();
        Steps next{};
        double usual = 0;
        while (e > 1 && samples_.size() < most) {
            Steps step;
            const double u = path.largest(e, 1e9, usual, true, next, step);
            if (e - u <= 1 + 1e-12) break;  // cut short by the start, which brakes nothing
            samples_.emplace_back(e - u, u);
            usual = u;
            e -= u;
            // Walking backwards the step is the negative one of the forward move.
            next = step;
        }
        std::reverse(samples_.begin(), samples_.end());
    }

    bool complete(std::size_t most) const { return samples_.size() < most; }

    // Queried at rising s, so a cursor walks the samples once.
    double at(double s) {
        if (samples_.empty()) return 1e9;
        while (cursor_ + 1 < samples_.size() && samples_[cursor_ + 1].first <= s) ++cursor_;
        const auto& [s0, u0] = samples_[cursor_];
        if (cursor_ + 1 == samples_.size() || s <= s0) return u0;
        // Between two samples the smaller: the pace brakes no later than they do.
        return std::min(u0, samples_[cursor_ + 1].second);
    }

private:
    std::vector<std::pair<double, double>> samples_;
    std::size_t cursor_ = 0;
};

}  // namespace

std::vector<double> pace_path(const PathPoints& points, const PathLimits& limits, const std::vector<double>& cap,
                              const std::vector<double>& slow, const std::vector<double>& stops, int most_frames) {
    if (points.size() < 2) return {1.0};
    const Path path(points, limits, cap, slow, stops);
    const std::size_t most = static_cast<std::size_t>(most_frames) + 1;
    BrakingBound braking(path, most);
    if (!braking.complete(most)) return {};

    std::vector<double> s{1.0};
    double here = 1;
    Steps last{};  // from rest
    double usual = 0;
    while (s.size() < most) {
        Steps step;
        double u = path.largest(here, braking.at(here), usual, false, last, step);
        // Just short of an old frame: on to it, if the limits allow, so that an
        // untouched stretch keeps its frames.
        const double frame = std::ceil(here + u);
        if (frame - (here + u) < 0.03 * u && frame - here <= 1 && frame < path.end()) {
            Steps onto;
            Steps after;
            if (frame - here <= path.onto(frame) && path.allowed(here, frame, &last, onto) &&
                path.largest_within(frame, std::min(braking.at(frame), path.end() - frame), frame - here, false, &onto, after) > 0) {
                u = frame - here;
                step = onto;
            }
        }
        if (here + u >= path.end() - 1e-9) {
            s.push_back(path.end());
            return s;
        }
        here += u;
        s.push_back(here);
        last = step;
        usual = u;
    }
    return {};
}

}  // namespace kestrova
