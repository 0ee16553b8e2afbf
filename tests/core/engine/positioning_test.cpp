#include "core/engine/engine_fixture.h"
#include "engine/positioning.h"
#include "motion/controls.h"

using namespace kestrova;
using kestrova::test_support::EngineTest;

namespace {
void ramp(EngineState& e, EngineMode mode, PositionGoal goal = PositionGoal::Typed, std::array<double, move_axes> to = {}) {
    e.positioning.target = to;
    e.positioning.goal_kind = goal;
    ASSERT_TRUE(enter(e.mode, mode));
    start_ramp(e.positioning);
}
}  // namespace

TEST_F(EngineTest, RampAcceleratesToTheMidpointBrakesOntoTheGoalOrCruisesAndStopsAtALimit) {
    axes().acc[0] = 2;
    axes().mSpeed[0] = 100;
    // One move after the other. Going up over an odd distance the axis brakes from
    // the midpoint on although the rest of the way is longer than the ramp: it never
    // reached its maximum speed. Going down the midpoint rounds down.
    const struct {
        double goal;
        std::vector<double> steps;
    } moves[] = {{10, {2, 5, 7, 9, 10}}, {21, {12, 15, 17, 19, 21}}, {10, {19, 15, 13, 11, 10}}};
    for (const auto& mv : moves) {
        ramp(e(), EngineMode::Positioning, PositionGoal::Typed, {mv.goal, 0, 0, 0, 0});
        using Step = std::array<double, 2>;  // where the engine holds A, what it sent
        std::vector<Step> want;
        for (double p : mv.steps) want.push_back({p, p});
        EXPECT_EQ(per_tick(int(want.size()), [&] { return Step{e().curpos[0], double(last().pos[0])}; }), want)
            << "to " << mv.goal;
        EXPECT_EQ(e().mode, EngineMode::Idle);
    }
    EXPECT_EQ(panel().text(ctl::positioning_step_box), "6");
    EXPECT_EQ(panel().text(ctl::position_boxes[0]), "10");

    // Already at the goal: the move ends in its first step.
    ramp(e(), EngineMode::Positioning, PositionGoal::Typed, {10, 0, 0, 0, 0});
    tick();
    EXPECT_EQ(e().mode, EngineMode::Idle);
    EXPECT_EQ(panel().text(ctl::positioning_step_box), "2");

    // A long ramp cruises at the maximum speed. Its goal lies beyond the lower
    // limit: the ramp is planned to the limit and arrives there.
    axes().acc[2] = 7;
    axes().mSpeed[2] = 50;
    axes().min[2] = -2000;
    stand_at({0, 0, 3000, 0, 0});
    ramp(e(), EngineMode::Positioning, PositionGoal::Typed, {0, 0, -9000, 0, 0});
    double prev = 3000, fastest = 0;
    int steps = 0;
    while (e().mode == EngineMode::Positioning && ++steps < 1000) {
        tick();
        fastest = std::max(fastest, prev - e().curpos[2]);
        EXPECT_LE(e().curpos[2], prev);  // never turns back
        prev = e().curpos[2];
    }
    EXPECT_EQ(e().mode, EngineMode::Idle);
    EXPECT_EQ(e().curpos[2], -2000);
    EXPECT_EQ(fastest, 50);
}

TEST_F(EngineTest, GoToZeroNeverRestartsButGoToStartDoesWhenLooping) {
    play().looping = true;
    stand_at({30, 0, 0, 0, 0});
    ramp(e(), EngineMode::Positioning, PositionGoal::Zero);
    tick(20);
    EXPECT_EQ(e().curpos[0], 0);
    EXPECT_EQ(e().mode, EngineMode::Idle);

    rig.move().movepos.at(1, 0) = 30;
    ramp(e(), EngineMode::Positioning, PositionGoal::Start);
    int steps = 0;
    while (e().mode == EngineMode::Positioning && ++steps < 50) tick();
    // The arrival step still sends a position: the next step plays.
    EXPECT_EQ(e().mode, EngineMode::Playing);
    EXPECT_EQ(last().lead, lead_position);
    tick();
    EXPECT_EQ(last().lead, lead_frame);
}

TEST_F(EngineTest, GoToFrameShowsTheTargetFrameAndReachesItsRow) {
    rig.move().movepos.at(300, 0) = -250.6;
    rig.move().movepos.at(300, 3) = 120;
    panel().set_text(ctl::go_to_frame_box, "300");
    ps().gototarget = 300;
    ramp(e(), EngineMode::GoingToFrame);
    int steps = 0;
    while (e().mode == EngineMode::GoingToFrame && ++steps < 100) tick();
    EXPECT_EQ(e().mode, EngineMode::Idle);
    EXPECT_EQ(e().curpos[0], -251);
    EXPECT_EQ(e().curpos[3], 120);
    EXPECT_EQ(panel().text(ctl::keyframe_frame_box), "300");
    EXPECT_EQ(panel().at(ctl::frame_scroll_bar).value, 6553);  // 300 / 1500 of the bar's 32767, rounded
}
