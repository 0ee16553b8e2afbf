#include "retime/retime.h"

#include <algorithm>
#include <cmath>

#include "check/move_check.h"
#include "retime/messages.h"
#include "retime/path_timing.h"

namespace kestrova {

namespace {

constexpr const char* axis_letters = "ABCDE";

// A frame of the old path that a new frame must reach exactly: the start, each
// keyframe's frame and the end.
struct Anchor {
    int frame = 1;
    int row = 0;  // the first keyframe row at this frame; 0: none
    bool pinned = false;
    double time = 0;  // where the pace reaches it, in new frames from the start
    int new_frame = 1;
};

int path_length(const MoveModel& m) { return std::min(m.totalframes, m.rows()); }

PathPoints path_of(const MoveModel& m, int n) {
    PathPoints p(static_cast<std::size_t>(n));
    for (int f = 1; f <= n; ++f)
        for (int a = 0; a < move_axes; ++a) p[static_cast<std::size_t>(f - 1)][static_cast<std::size_t>(a)] = m.movepos.at(f, a);
    return p;
}

std::vector<Anchor> anchors_of(const RetimeRequest& r, int n) {
    const MoveModel& m = r.move;
    std::vector<Anchor> list{Anchor{1, 0, true}};
    for (int k = 1; k <= m.keyframe_count(); ++k) {
        const int f = m.frame_of(0, k);
        if (f < 1 || f > n) continue;
        const bool pinned = std::find(r.pinned.begin(), r.pinned.end(), k) != r.pinned.end();
        auto at = std::find_if(list.begin(), list.end(), [f](const Anchor& a) { return a.frame == f; });
        if (at == list.end()) {
            list.push_back(Anchor{f, k, pinned});
        } else {
            if (at->row == 0) at->row = k;
            at->pinned = at->pinned || pinned;
        }
    }
    std::sort(list.begin(), list.end(), [](const Anchor& a, const Anchor& b) { return a.frame < b.frame; });
    if (list.back().frame != n) list.push_back(Anchor{n, 0, false});
    return list;
}

// Where the pace s (one value per new frame) passes old frame f, in new frames from the start.
double time_at(const std::vector<double>& s, double f) {
    const auto hi = std::lower_bound(s.begin(), s.end(), f);
    if (hi == s.begin()) return 0;
    if (hi == s.end()) return static_cast<double>(s.size() - 1);
    const double t1 = static_cast<double>(hi - s.begin());
    return t1 - (*hi - f) / (*hi - *(hi - 1));
}

double pace_at(const std::vector<double>& s, double t) {
    const double last = static_cast<double>(s.size() - 1);
    t = std::clamp(t, 0.0, last);
    const auto i = static_cast<std::size_t>(std::floor(t));
    if (i + 1 >= s.size()) return s.back();
    return s[i] + (s[i + 1] - s[i]) * (t - static_cast<double>(i));
}

// The new frames of the anchors: each stretch between two gets whole frames,
// at least the time the pace needs (so nothing is faster than the pace), a
// pinned one exactly its old frame.
Result<> place_anchors(std::vector<Anchor>& anchors, const std::vector<double>& s) {
    for (Anchor& a : anchors) a.time = time_at(s, a.frame);
    for (std::size_t j = 1; j < anchors.size(); ++j) {
        const Anchor& prev = anchors[j - 1];
        Anchor& a = anchors[j];
        const int need = std::max(1, static_cast<int>(std::ceil(a.time - prev.time - 1e-6)));
        if (!a.pinned) {
            a.new_frame = prev.new_frame + need;
            continue;
        }
        a.new_frame = a.frame;
        if (a.new_frame - prev.new_frame < need) {
            std::size_t from = j - 1;
            while (from > 0 && !anchors[from].pinned) --from;
            const int needed = prev.new_frame - anchors[from].new_frame + need;
            return fail(retime_msg::pinned_too_short(anchors[from].row, a.row, needed, a.frame - anchors[from].frame));
        }
    }
    return {};
}

// s of every new frame: between two anchors the pace is spread evenly over the stretch's frames.
std::vector<double> new_pace(const std::vector<Anchor>& anchors, const std::vector<double>& s) {
    std::vector<double> out{1.0};
    for (std::size_t j = 1; j < anchors.size(); ++j) {
        const Anchor& a = anchors[j - 1];
        const Anchor& b = anchors[j];
        const int frames = b.new_frame - a.new_frame;
        for (int g = 1; g < frames; ++g) {
            const double t = a.time + (b.time - a.time) * g / frames;
            out.push_back(std::clamp(pace_at(s, t), static_cast<double>(a.frame), static_cast<double>(b.frame)));
        }
        out.push_back(b.frame);
    }
    return out;
}

FrameTable positions_at(const PathPoints& p, const std::vector<double>& s) {
    FrameTable t;
    t.create(static_cast<int>(s.size()));
    for (std::size_t g = 0; g < s.size(); ++g) {
        const double whole = std::floor(s[g]);
        const auto f = static_cast<std::size_t>(whole) - 1;
        const double part = s[g] - whole;
        for (int a = 0; a < move_axes; ++a) {
            const auto i = static_cast<std::size_t>(a);
            double x = p[f][i];
            if (part > 0) x += part * (p[f + 1][i] - p[f][i]);
            t.at(static_cast<int>(g) + 1, a) = x;
        }
    }
    return t;
}

Retimed result_of(const RetimeRequest& r, std::vector<double> s, const std::vector<Anchor>& anchors, int n) {
    Retimed out;
    FrameTable table = positions_at(path_of(r.move, n), s);
    out.along = std::move(s);
    out.old_length = n;
    out.new_length = table.rows();
    out.movepos = std::move(table);
    const MoveModel& m = r.move;
    for (int k = 1; k <= m.keyframe_count(); ++k) {
        const int f = m.frame_of(0, k);
        int now = f > n ? f + out.new_length - n : f;
        for (const Anchor& a : anchors)
            if (a.frame == f) now = a.new_frame;
        out.keyframe_frames.push_back(now);
        if (now != f) ++out.keyframes_moved;
    }
    out.changed = true;
    return out;
}

AxisSettings shared_limits(const RetimeRequest& r) {
    AxisSettings ax = r.axes;
    for (int a = 0; a < move_axes; ++a) {
        ax.mSpeed[a] = std::fabs(ax.mSpeed[a]) * r.share;
        ax.acc[a] = std::fabs(ax.acc[a]) * r.share;
    }
    return ax;
}

// The limits a retimed move is planned within: the share, less the rounding
// to whole pulses when the request asks for it.
AxisSettings planning_limits(const RetimeRequest& r) {
    AxisSettings ax = shared_limits(r);
    if (!r.whole_pulses) return ax;
    for (int a = 0; a < move_axes; ++a) {
        if (ax.mSpeed[a] > 2) ax.mSpeed[a] -= 1;
        if (ax.acc[a] > 4) ax.acc[a] -= 2;
    }
    return ax;
}

// What no timing can change: a path beyond the position limits, an axis that moves with limits of 0.
Result<> path_can_fit(const PathPoints& p, const AxisSettings& ax) {
    for (std::size_t f = 0; f < p.size(); ++f) {
        for (std::size_t a = 0; a < move_axes; ++a) {
            const double lo = std::min(ax.min[a], ax.max[a]);
            if (p[f][a] < lo || p[f][a] > ax.max[a])
                return fail(retime_msg::off_limits(axis_letters[a], static_cast<int>(f) + 1));
            const bool moves = f > 0 && p[f][a] != p[f - 1][a];
            if (moves && (ax.mSpeed[a] <= 0 || ax.acc[a] <= 0)) return fail(retime_msg::cannot_move(axis_letters[a]));
        }
    }
    return {};
}

// The plain timing that always plays: every old frame's step cut into k equal
// steps, k the smallest whole number that brings every step, every change of
// step, the start and the stop within the limits. 0 when it would be too long.
int even_steps(const PathPoints& p, const PathLimits& lim) {
    double k = 1;
    for (std::size_t f = 1; f < p.size(); ++f)
        for (std::size_t a = 0; a < move_axes; ++a) {
            const double d = p[f][a] - p[f - 1][a];
            const double change = d - (f > 1 ? p[f - 1][a] - p[f - 2][a] : 0);
            if (d != 0) k = std::max(k, std::fabs(d) / lim.speed[a]);
            if (change != 0) k = std::max(k, std::fabs(change) / lim.acc[a]);
            if (d != 0 && f + 1 == p.size()) k = std::max(k, std::fabs(d) / lim.acc[a]);  // and then it stops
        }
    k = std::ceil(k - 1e-9);
    return (static_cast<double>(p.size()) - 1) * k + 1 > max_frames ? 0 : static_cast<int>(k);
}

Result<Retimed> evenly_slowed(const RetimeRequest& r, std::vector<Anchor>& anchors, int n, int k) {
    std::vector<double> s;
    for (int f = 1; f < n; ++f)
        for (int part = 0; part < k; ++part) s.push_back(f + static_cast<double>(part) / k);
    s.push_back(n);
    for (Anchor& a : anchors) a.new_frame = (a.frame - 1) * k + 1;
    return result_of(r, std::move(s), anchors, n);
}

Result<Retimed> retime(const RetimeRequest& r, bool least_change) {
    const int n = path_length(r.move);
    const PathPoints path = path_of(r.move, n);
    const AxisSettings limits = planning_limits(r);
    if (auto can = path_can_fit(path, limits); !can) return fail(can.error());
    PathLimits per_frame;
    const double div = std::max(r.divider, 1);
    for (std::size_t a = 0; a < move_axes; ++a) {
        per_frame.speed[a] = limits.mSpeed[a] * div;
        per_frame.acc[a] = limits.acc[a] * div;
    }

    std::vector<Anchor> anchors = anchors_of(r, n);
    int last_pinned = 1;
    for (const Anchor& a : anchors)
        if (a.pinned) last_pinned = a.frame;
    // Up to the last pinned keyframe the length is fixed, so no part may be faster than before.
    const std::size_t segs = static_cast<std::size_t>(std::max(n - 1, 0));
    std::vector<double> cap(segs, 1.0);
    if (!least_change)
        for (std::size_t i = static_cast<std::size_t>(last_pinned) - 1; i < segs; ++i) cap[i] = 1e9;

    // The even slowing moves every keyframe after the start: only without pins
    // it is a way out, and then no longer timing is worth finding.
    const int k = last_pinned == 1 ? even_steps(path, per_frame) : 0;
    const int most = k > 0 ? (n - 1) * k + 1 : max_frames;
    std::vector<double> stops;
    for (const Anchor& a : anchors) stops.push_back(a.frame);
    bool too_long = false;
    Result<Retimed> best = fail(retime_msg::no_fit);
    MoveModel probe;
    // The passes keep the limits but for rounding; where a pinned stretch is
    // spread over more frames than the pace needs, a margin more may be wanted.
    for (const double margin : {1 - 1e-7, 0.98, 0.9, 0.7}) {
        PathLimits kept = per_frame;
        for (std::size_t a = 0; a < move_axes; ++a) {
            kept.speed[a] *= margin;
            kept.acc[a] *= margin;
        }
        const std::vector<double> pace = pace_path(path, kept, cap, stops, most);
        if (pace.empty()) {
            too_long = true;
            break;
        }
        if (auto placed = place_anchors(anchors, pace); !placed) {
            best = fail(placed.error());
            break;
        }
        const int frames = anchors.back().new_frame;
        if (frames > most) {
            too_long = true;
            break;
        }
        const std::vector<double> s = new_pace(anchors, pace);
        probe.totalframes = frames;
        probe.movepos = positions_at(path, s);
        if (check_move(probe, limits, r.divider).ok()) {
            best = result_of(r, s, anchors, n);
            break;
        }
    }
    if (best) return best;
    if (k > 0) return evenly_slowed(r, anchors, n, k);
    if (!best && best.error() != retime_msg::no_fit) return best;
    return fail(too_long ? retime_msg::too_long(max_frames + 1) : retime_msg::no_fit);
}

}  // namespace

Result<Retimed> fit_move(const RetimeRequest& request) {
    const int n = path_length(request.move);
    if (check_move(request.move, shared_limits(request), request.divider).ok()) {
        Retimed same;
        same.old_length = same.new_length = n;
        same.movepos.create(n);
        for (int f = 1; f <= n; ++f) {
            same.along.push_back(f);
            for (int a = 0; a < move_axes; ++a) same.movepos.at(f, a) = request.move.movepos.at(f, a);
        }
        for (int k = 1; k <= request.move.keyframe_count(); ++k) same.keyframe_frames.push_back(request.move.frame_of(0, k));
        return same;
    }
    return retime(request, true);
}

Result<Retimed> fit_fastest(const RetimeRequest& request) {
    auto fastest = retime(request, false);
    auto fit = fit_move(request);
    // Where the passes come out longer than the least change, or find no
    // timing at all, the least change is the faster.
    if (fit && (!fastest || fit->new_length < fastest->new_length)) fastest = std::move(fit);
    if (!fastest || !request.pinned.empty()) return fastest;
    // The whole move at an even pace is another way: the shortest length the
    // check passes, found by halving (a length that passes is kept only once checked).
    const AxisSettings limits = planning_limits(request);
    int lo = 2, hi = fastest->new_length - 1;
    MoveModel probe;
    while (lo <= hi) {
        const int mid = lo + (hi - lo) / 2;
        auto even = stretch_move(request, mid);
        bool ok = false;
        if (even) {
            probe.totalframes = mid;
            probe.movepos = even->movepos;
            ok = check_move(probe, limits, request.divider).ok();
        }
        if (ok) {
            fastest = std::move(even);
            hi = mid - 1;
        } else {
            lo = mid + 1;
        }
    }
    return fastest;
}

Result<Retimed> stretch_move(const RetimeRequest& request, int new_length) {
    const int n = path_length(request.move);
    std::vector<Anchor> anchors = anchors_of(request, n);
    if (n < 2) return fail(retime_msg::nothing_to_stretch);
    if (new_length < 2 || new_length > max_frames || new_length < static_cast<int>(anchors.size()))
        return fail(retime_msg::bad_length(new_length));
    const double scale = static_cast<double>(new_length - 1) / (n - 1);
    for (std::size_t j = 0; j < anchors.size(); ++j) {
        Anchor& a = anchors[j];
        a.time = (a.frame - 1) * scale;
        // In proportion, yet each anchor a frame of its own with room for the ones after it.
        const int room = new_length - static_cast<int>(anchors.size() - 1 - j);
        const int floor_frame = j == 0 ? 1 : anchors[j - 1].new_frame + 1;
        a.new_frame = std::clamp(static_cast<int>(std::lround(1 + a.time)), floor_frame, room);
    }
    std::vector<double> even(static_cast<std::size_t>(new_length));
    for (std::size_t t = 0; t < even.size(); ++t) even[t] = 1 + static_cast<double>(t) / scale;
    even.back() = n;
    return result_of(request, new_pace(anchors, even), anchors, n);
}

void apply_retimed(MoveModel& move, const Retimed& retimed) {
    if (!retimed.changed) return;
    auto kfpos = move.kfpos;
    const int rows = std::max(retimed.new_length, move.keyframe_count());
    move.totalframes = retimed.new_length;
    move.create_tables(rows);
    for (int a = 0; a < move_axes; ++a) {
        const auto i = static_cast<std::size_t>(a);
        for (int k = 1; k <= static_cast<int>(retimed.keyframe_frames.size()) && k <= rows; ++k) {
            move.frame_of(a, k) = retimed.keyframe_frames[static_cast<std::size_t>(k - 1)];
            move.pos_of(a, k) = kfpos[i][static_cast<std::size_t>(k - 1)];
        }
        for (int f = 1; f <= retimed.new_length; ++f) move.movepos.at(f, a) = retimed.movepos.at(f, a);
    }
}

std::string retime_summary(const std::string& what, const Retimed& retimed) {
    if (!retimed.changed) return retime_msg::unchanged;
    return retime_msg::summary(what, retimed.old_length, retimed.new_length, retimed.keyframes_moved);
}

}  // namespace kestrova
