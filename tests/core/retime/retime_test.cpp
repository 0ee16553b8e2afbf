#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <bit>
#include <cstdint>
#include <iterator>
#include <numeric>
#include <random>
#include <vector>

#include "check/move_check.h"
#include "move/linear_move.h"
#include "retime/messages.h"
#include "retime/retime.h"
#include "shaping/bezier_path.h"

using namespace kestrova;

namespace {

// A move of `frames` frames through keyframes {frame, position of A} (B..E follow A scaled), linear.
MoveModel linear_move(int frames, const std::vector<std::pair<int, int>>& keys) {
    MoveModel m;
    m.totalframes = frames;
    m.create_tables(frames);
    for (std::size_t k = 0; k < keys.size(); ++k)
        for (int a = 0; a < move_axes; ++a) {
            m.frame_of(a, static_cast<int>(k) + 1) = keys[k].first;
            m.pos_of(a, static_cast<int>(k) + 1) = keys[k].second * (a + 1) / 3;
        }
    m.nextkf = static_cast<int>(keys.size()) + 1;
    calculate_linear(m);
    return m;
}

RetimeRequest ask(const MoveModel& m, const AxisSettings& ax, std::vector<int> pinned = {}) {
    return RetimeRequest{m, ax, std::move(pinned), 1.0, 1};
}

AxisSettings limits(double speed, double acc) {
    AxisSettings ax = AxisSettings::defaults();
    ax.mSpeed.fill(speed);
    ax.acc.fill(acc);
    ax.min.fill(-9e6);
    ax.max.fill(9e6);
    return ax;
}

// The old-frame steps of the new frames, checked first to lie on the old path,
// in order, from its start to its end; empty when they do not.
std::vector<double> path_steps(const MoveModel& old, const Retimed& r) {
    const std::vector<double>& s = r.along;
    const int n = std::min(old.totalframes, old.rows());
    if (static_cast<int>(s.size()) != r.movepos.rows() || s.empty() || s.front() != 1 || s.back() != n) return {};
    std::vector<double> steps;
    for (std::size_t g = 0; g < s.size(); ++g) {
        const int f = std::clamp(static_cast<int>(s[g]), 1, n - 1);
        for (int a = 0; a < move_axes; ++a) {
            const double x = old.movepos.at(f, a) + (s[g] - f) * (old.movepos.at(f + 1, a) - old.movepos.at(f, a));
            if (std::fabs(r.movepos.at(static_cast<int>(g) + 1, a) - x) > 1e-6 * std::max(1.0, std::fabs(x))) return {};
        }
        if (g > 0 && s[g] < s[g - 1]) return {};
        if (g > 0) steps.push_back(s[g] - s[g - 1]);
    }
    return steps;
}

// What every retimed move keeps: the check finds nothing, its frames lie on the
// old path in order, each keyframe's pose on a frame of its own. The old-frame
// step of each new frame, or nothing when one of these fails.
std::vector<double> kept_and_playable(const MoveModel& m, const AxisSettings& ax, const Retimed& r) {
    MoveModel applied = m;
    apply_retimed(applied, r);
    EXPECT_TRUE(check_move(applied, ax, 1).ok());
    const std::vector<double> steps = path_steps(m, r);
    EXPECT_FALSE(steps.empty()) << "a frame off the old path, or out of order";
    EXPECT_EQ(r.keyframe_frames.size(), static_cast<std::size_t>(m.keyframe_count()));
    for (int k = 1; k <= m.keyframe_count() && k <= static_cast<int>(r.keyframe_frames.size()); ++k)
        for (int a = 0; a < move_axes; ++a)
            EXPECT_EQ(r.movepos.at(r.keyframe_frames[static_cast<std::size_t>(k - 1)], a), m.movepos.at(m.frame_of(a, k), a))
                << "keyframe " << k;
    return steps;
}

// The fewest frames for the path of `m` within the limits, by breadth-first
// search over pairs of points on a grid of eighth frames (each keyframe's frame on it).
int fewest_frames(const MoveModel& m, double speed, double acc) {
    const int n = m.totalframes;
    const int per = 8;
    const int points = (n - 1) * per + 1;
    std::vector<std::array<double, move_axes>> x(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i)
        for (int a = 0; a < move_axes; ++a) {
            const double p0 = m.movepos.at(1 + i / per, a);
            x[static_cast<std::size_t>(i)][static_cast<std::size_t>(a)] = i % per ? p0 + (i % per) * (m.movepos.at(2 + i / per, a) - p0) / per : p0;
        }
    std::vector<int> keys;
    for (int k = 1; k <= m.keyframe_count(); ++k) keys.push_back((m.frame_of(0, k) - 1) * per);
    const auto step_ok = [&](int i, int j, int k, bool last) {
        for (std::size_t a = 0; a < move_axes; ++a) {
            const double d0 = i < 0 ? 0 : x[static_cast<std::size_t>(j)][a] - x[static_cast<std::size_t>(i)][a];
            const double d1 = x[static_cast<std::size_t>(k)][a] - x[static_cast<std::size_t>(j)][a];
            if (std::fabs(d1) > speed + 1e-9 || std::fabs(d1 - d0) > acc + 1e-9 || (last && std::fabs(d1) > acc + 1e-9))
                return false;
        }
        return true;
    };
    // State: (previous point, this point); previous -1 at the start, at rest.
    std::vector<int> seen(static_cast<std::size_t>(points + 1) * static_cast<std::size_t>(points), -1);
    std::vector<std::pair<int, int>> level{{-1, 0}};
    for (int frames = 1; !level.empty(); ++frames) {
        std::vector<std::pair<int, int>> next;
        for (const auto& [i, j] : level) {
            const auto key_after = std::upper_bound(keys.begin(), keys.end(), j);
            const int reach = key_after == keys.end() ? points - 1 : *key_after;
            for (int k = j + 1; k <= reach; ++k) {
                if (!step_ok(i, j, k, k == points - 1)) continue;
                if (k == points - 1) return frames + 1;
                int& mark = seen[static_cast<std::size_t>(j + 1) * static_cast<std::size_t>(points) + static_cast<std::size_t>(k)];
                if (mark < 0) next.push_back({j, k});
                mark = frames;
            }
        }
        level = std::move(next);
    }
    return -1;
}

// A random move: linear through its keyframes, Bezier-shaped, bowed or shaped
// by a few moving averages; its speed up to a few times the limit, so that most need fitting.
std::pair<MoveModel, AxisSettings> random_move(std::mt19937& rng) {
    std::uniform_real_distribution<double> unit(0, 1);
    const double pick = unit(rng);
    // Mostly short, so that a thousand stay quick; a few long ones slower than the limits, so that they fit.
    const bool long_one = pick > 0.995;
    const int n = long_one ? std::uniform_int_distribution<int>(200, max_frames * 9 / 10)(rng)
                  : pick < 0.8 ? std::uniform_int_distribution<int>(3, 60)(rng) : std::uniform_int_distribution<int>(60, 200)(rng);
    const int keys = std::uniform_int_distribution<int>(2, std::min(120, n))(rng);
    const double speed = std::round(std::exp(std::uniform_real_distribution<double>(std::log(5), std::log(5000))(rng)));
    const double acc = std::max(1.0, std::round(speed * std::uniform_real_distribution<double>(0.05, 1)(rng)));
    std::vector<int> frames(static_cast<std::size_t>(n - 1)), chosen;
    std::iota(frames.begin(), frames.end(), 1);
    std::sample(frames.begin(), frames.end(), std::back_inserter(chosen), keys - 1, rng);
    chosen.push_back(n);
    std::pair<MoveModel, AxisSettings> r{MoveModel{}, limits(speed, acc)};
    MoveModel& m = r.first;
    m.totalframes = n;
    m.create_tables(n);
    std::array<double, move_axes> p{};
    int prev = 0;
    for (int k = 1; k <= keys; ++k) {
        const int f = chosen[static_cast<std::size_t>(k - 1)];
        for (int a = 0; a < move_axes; ++a) {
            const double fast = long_one ? 0.5 : 2.5;
            const double pace = speed * std::uniform_real_distribution<double>(-fast, fast)(rng) * (unit(rng) < 0.2 ? 0 : 1);
            p[static_cast<std::size_t>(a)] += std::round(pace * (f - prev));
            m.frame_of(a, k) = f;
            m.pos_of(a, k) = static_cast<std::int32_t>(p[static_cast<std::size_t>(a)]);
        }
        prev = f;
    }
    m.nextkf = keys + 1;
    calculate_linear(m);
    const double shape = unit(rng);
    if (shape < 0.3)  // smoothed: corners rounded by moving averages
        for (int pass = 0; pass < 3; ++pass)
            for (int a = 0; a < move_axes; ++a)
                for (int f = 2; f < n; ++f)
                    m.movepos.at(f, a) = (m.movepos.at(f - 1, a) + m.movepos.at(f, a) + m.movepos.at(f + 1, a)) / 3;
    else if (shape < 0.45)  // curved between the keyframes by the Bezier command
        (void)calculate_bezier(m, 10 + 40 * unit(rng), unit(rng) < 0.5);
    else if (shape < 0.6)  // bowed across the whole move
        for (int a = 0; a < move_axes; ++a)
            for (int f = 1; f <= n; ++f)
                m.movepos.at(f, a) += (a % 2 ? 0.1 : -0.1) * speed * n * std::sin(3.14159 * (f - 1) / (n - 1));
    return r;
}


}  // namespace

TEST(Retime, FastestComesCloseToTheExhaustiveOptimum) {
    std::mt19937 rng(7);
    for (int trial = 0; trial < 40; ++trial) {
        const int n = std::uniform_int_distribution<int>(8, 40)(rng);
        const int k1 = std::uniform_int_distribution<int>(2, n - 2)(rng);
        const int k2 = std::uniform_int_distribution<int>(k1 + 1, n - 1)(rng);
        // Slopes within a few accelerations, so that a grid of eighth frames can start from rest.
        const double acc = std::uniform_int_distribution<int>(10, 30)(rng);
        const double speed = acc * std::uniform_real_distribution<double>(1, 3)(rng);
        std::uniform_real_distribution<double> slope(-2 * acc, 2 * acc);
        const int p1 = static_cast<int>(slope(rng) * k1 * 0.6);
        const int p2 = p1 + static_cast<int>(slope(rng) * (k2 - k1) * 0.6);
        const MoveModel m = linear_move(n, {{k1, p1}, {k2, p2}, {n, p2 + static_cast<int>(slope(rng) * (n - k2) * 0.6)}});
        const int best = fewest_frames(m, speed, acc);
        const AxisSettings ax = limits(speed, acc);
        const auto fastest = fit_fastest(ask(m, ax));
        ASSERT_TRUE(fastest.ok()) << fastest.error();
        SCOPED_TRACE(testing::Message() << "trial " << trial << " n " << n << " best " << best);
        kept_and_playable(m, ax, fastest.value());
        EXPECT_LE(fastest->new_length, std::max(best * 1.02, best + 2.0));
    }
}

TEST(Retime, RandomMovesFitOnTheirPathNeverFasterAndFastestNeverLonger) {
    std::mt19937 rng(2026);
    for (int trial = 0; trial < 1000; ++trial) {
        const auto [m, ax] = random_move(rng);
        SCOPED_TRACE(testing::Message() << "trial " << trial << ": " << m.totalframes << " frames, acc " << ax.acc[0]);
        // Now and then a keyframe pinned: kept on its frame, or refused for a stretch too short.
        const int pin = trial % 5 ? 0 : std::uniform_int_distribution<int>(1, m.keyframe_count())(rng);
        for (int how = 0; pin > 0 && how < 2; ++how) {
            const auto pinned = how ? fit_fastest(ask(m, ax, {pin})) : fit_move(ask(m, ax, {pin}));
            if (!pinned) {
                EXPECT_EQ(pinned.error().rfind("Fit to rig: from ", 0), 0u) << pinned.error();
                continue;
            }
            kept_and_playable(m, ax, pinned.value());
            EXPECT_EQ(pinned->keyframe_frames[static_cast<std::size_t>(pin - 1)], m.frame_of(0, pin));
        }
        const auto fit = fit_move(ask(m, ax));
        ASSERT_TRUE(fit.ok()) << fit.error();
        const std::vector<double> steps = kept_and_playable(m, ax, fit.value());
        EXPECT_GE(fit->new_length, m.totalframes);
        for (double u : steps) ASSERT_LE(u, 1 + 1e-9) << "faster than before";
        if (check_move(m, ax, 1).ok()) {
            EXPECT_FALSE(fit->changed);
            ASSERT_EQ(fit->movepos.rows(), m.totalframes);
            for (int f = 1; f <= m.totalframes; ++f)
                for (int a = 0; a < move_axes; ++a)
                    ASSERT_EQ(std::bit_cast<std::uint64_t>(fit->movepos.at(f, a)), std::bit_cast<std::uint64_t>(m.movepos.at(f, a)));
        }
        const auto fastest = fit_fastest(ask(m, ax));
        ASSERT_TRUE(fastest.ok()) << fastest.error();
        kept_and_playable(m, ax, fastest.value());
        EXPECT_LE(fastest->new_length, fit->new_length);
        if (HasFailure()) break;
    }
}

TEST(Retime, PinnedKeyframesKeepTheirFramesAndAStretchThatCannotFitIsRefused) {
    // Gentle up to keyframe 2 at frame 100, then far too fast to the end.
    const MoveModel m = linear_move(200, {{1, 0}, {100, 500}, {200, 30000}});
    const AxisSettings ax = limits(100, 10);
    for (const auto& retimed : {fit_move(ask(m, ax, {2})), fit_fastest(ask(m, ax, {2}))}) {
        ASSERT_TRUE(retimed.ok()) << retimed.error();
        EXPECT_EQ(retimed->keyframe_frames, (std::vector<std::int32_t>{1, 100, retimed->new_length}));
        kept_and_playable(m, ax, retimed.value());
    }
    const auto fit = fit_move(ask(m, ax));
    ASSERT_TRUE(fit.ok()) << fit.error();
    EXPECT_EQ(retime_summary(retime_msg::fit, fit.value()), retime_msg::summary(retime_msg::fit, 200, fit->new_length, 1));
    EXPECT_EQ(retime_msg::summary(retime_msg::fit, 250, 318, 2), "Fit to rig: 250 \u2192 318 frames, +2.7 s; 2 keyframes moved");

    AxisSettings narrow = ax;
    narrow.max[0] = 1000;
    const struct { AxisSettings axes; std::vector<int> pinned; std::string starts; } refusals[] = {
        {ax, {3}, "Fit to rig: from keyframe 1 to pinned keyframe 3 the move needs "},
        {narrow, {}, retime_msg::off_limits('A', 101).substr(0, 20)},
    };
    for (const auto& r : refusals)
        for (const auto& retimed : {fit_move(ask(m, r.axes, r.pinned)), fit_fastest(ask(m, r.axes, r.pinned))})
            EXPECT_EQ(retimed.error().substr(0, r.starts.size()), r.starts);
}

TEST(Retime, StretchKeepsThePathAndMovesKeyframesInProportion) {
    const MoveModel m = linear_move(101, {{21, 400}, {61, -200}, {101, 0}});
    const auto doubled = stretch_move(ask(m, limits(1e4, 1e4)), 201);
    ASSERT_TRUE(doubled.ok());
    EXPECT_EQ(doubled->keyframe_frames, (std::vector<std::int32_t>{41, 121, 201}));
    const std::vector<double> steps = path_steps(m, doubled.value());
    ASSERT_EQ(steps.size(), 200u);
    for (double u : steps) EXPECT_NEAR(u, 0.5, 1e-9);
    EXPECT_FALSE(stretch_move(ask(m, limits(1, 1)), 2).ok());  // fewer frames than keyframes
}
