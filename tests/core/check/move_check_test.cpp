#include <gtest/gtest.h>

#include <vector>

#include "check/messages.h"
#include "check/move_check.h"

using namespace kestrova;

namespace {

const std::array<std::string, move_axes> names = {"", "Tilt", "Track", "Focus", "Lens2"};

// A move of `frames` frames, every axis at rest at 0.
MoveModel resting(int frames) {
    MoveModel m;
    m.totalframes = frames;
    m.create_tables(frames);
    return m;
}

// Axis `a` moves by steps[f] into frame f (frames not listed: no step), from `start`.
void walk(MoveModel& m, int a, const std::vector<std::pair<int, double>>& steps, double start = 0) {
    double p = start;
    std::size_t next = 0;
    for (int f = 1; f <= m.rows(); ++f) {
        if (next < steps.size() && steps[next].first == f) p += steps[next++].second;
        m.movepos.at(f, a) = p;
    }
}

const std::vector<CheckFinding>& on(const MoveCheck& c, int axis) { return c.axes[static_cast<std::size_t>(axis)]; }

}  // namespace

TEST(MoveCheck, AMoveAtExactlyItsLimitsIsOk) {
    AxisSettings ax = AxisSettings::defaults();
    MoveModel m = resting(80);
    m.totalframes = 60;
    for (int a = 0; a < move_axes; ++a) {
        ax.mSpeed[a] = 50;
        ax.acc[a] = 5;
        ax.min[a] = -1000 * a;
        ax.max[a] = 2450 - 1000 * a;
        // Up to full speed by one acceleration a frame, hold, down to rest at the last frame.
        std::vector<std::pair<int, double>> steps;
        for (int f = 2; f <= 60; ++f) steps.push_back({f, 5.0 * std::min({f - 1, 10, 60 - f})});
        walk(m, a, steps, -1000 * a);
    }
    for (int f = 61; f <= m.rows(); ++f) m.movepos.at(f, 2) = 1e9;  // rows past the move's end are not played

    const MoveCheck c = check_move(m, ax, 1);
    EXPECT_TRUE(c.ok());
    EXPECT_EQ(check_summary(c, names), check_msg::ok);
}

TEST(MoveCheck, TwiceTheMaxSpeedOnTiltIsReportedWithItsFramesAndAsksBeforePlaying) {
    const AxisSettings ax = AxisSettings::defaults();  // Tilt: max speed 102, acceleration 11
    MoveModel m = resting(40);
    walk(m, 1, {{10, 204}, {11, 204}, {12, 204}});

    const MoveCheck c = check_move(m, ax, 1);
    ASSERT_FALSE(on(c, 1).empty());
    EXPECT_EQ(on(c, 1)[0].kind, FindingKind::speed);
    EXPECT_TRUE(c.needs_confirmation());
    // The starts and the stop of the jump break the acceleration as well: two more.
    EXPECT_EQ(check_summary(c, names), "axis Tilt: 2.0 x max speed at frames 10-12" + check_msg::more(2));

    // Played at half speed, each message carries half the step: exactly the maximum.
    const MoveCheck slow = check_move(m, ax, 2);
    EXPECT_FALSE(slow.needs_confirmation());
    for (const CheckFinding& f : on(slow, 1)) EXPECT_EQ(f.kind, FindingKind::acceleration);
}

TEST(MoveCheck, AccelerationFromRestAndIntoTheStopInformsWithoutAsking) {
    const AxisSettings ax = AxisSettings::defaults();  // Track: max speed 103, acceleration 12
    MoveModel m = resting(30);
    std::vector<std::pair<int, double>> steps;
    for (int f = 2; f <= 30; ++f) steps.push_back({f, 50});
    walk(m, 2, steps);

    const MoveCheck c = check_move(m, ax, 1);
    ASSERT_EQ(on(c, 2).size(), 2u);
    EXPECT_EQ(on(c, 2)[1].first, 30);  // the first is in the summary below
    for (const CheckFinding& f : on(c, 2)) EXPECT_EQ(f.kind, FindingKind::acceleration);
    EXPECT_FALSE(c.needs_confirmation());
    EXPECT_EQ(check_summary(c, names), "axis Track: 4.2 x acceleration at frame 2" + check_msg::more(1));
}

TEST(MoveCheck, PositionsBeyondALimitComeFirstAndStepsAreTheClampedOnes) {
    AxisSettings ax = AxisSettings::defaults();
    ax.acc[3] = 1e6;
    ax.acc[0] = 1e6;
    MoveModel m = resting(50);
    // Focus rests just below its upper limit, leaps far past it for frames 30-35 and back.
    walk(m, 3, {{30, 40010}, {31, 290}, {36, -40300}}, 49990);
    walk(m, 0, {{5, 500}});  // and axis A, unnamed, jumps 5 x its max speed

    const MoveCheck c = check_move(m, ax, 1);
    ASSERT_EQ(on(c, 3).size(), 1u);  // the held stretch sends no step beyond 10 pulses
    EXPECT_EQ(on(c, 3)[0].kind, FindingKind::position_limit);
    EXPECT_TRUE(c.needs_confirmation());
    EXPECT_EQ(check_summary(c, names),
              "axis Focus: position 90290 beyond the limit 50000 at frames 30-35" + check_msg::more(1));

    ASSERT_EQ(on(c, 0).size(), 1u);
    std::array<std::string, move_axes> only_a{};
    MoveCheck a_only;
    a_only.axes[0] = on(c, 0);
    EXPECT_EQ(check_summary(a_only, only_a), "axis A: 5.0 x max speed at frame 5");
}
