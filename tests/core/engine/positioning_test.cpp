#include "core/engine/engine_fixture.h"

using namespace kestrova;
using kestrova::test_support::EngineTest;

namespace {
void go_to(EngineState& e, std::array<double, move_axes> target) {
    e.target = target;
    e.entrytarget = true;
    e.hometarget = false;
    e.posmoving = true;
    e.gotophase = 1;
}
}  // namespace

TEST_F(EngineTest, RampAcceleratesToTheMidpointThenBrakesOntoTheGoal) {
    axes().acc[0] = 2;
    axes().mSpeed[0] = 100;
    go_to(e(), {10, 0, 0, 0, 0});
    std::vector<double> positions;
    std::vector<std::int32_t> sent;
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(e().posmoving) << "step " << i;
        tick();
        positions.push_back(e().curpos[0]);
        sent.push_back(last().pos[0]);
    }
    EXPECT_EQ(positions, (std::vector<double>{2, 5, 7, 9, 10}));
    EXPECT_EQ(sent, (std::vector<std::int32_t>{2, 5, 7, 9, 10}));
    EXPECT_FALSE(e().posmoving);
    EXPECT_FALSE(e().entrytarget);
    EXPECT_EQ(panel().text("Text8"), "6");
    EXPECT_EQ(panel().text("posA"), "10");
}

TEST_F(EngineTest, LongRampCruisesAtMaxSpeedAndArrivesGoingDown) {
    axes().acc[2] = 7;
    axes().mSpeed[2] = 50;
    stand_at({0, 0, 3000, 0, 0});
    go_to(e(), {0, 0, -2000, 0, 0});
    double prev = 3000, fastest = 0;
    int steps = 0;
    while (e().posmoving && ++steps < 1000) {
        tick();
        fastest = std::max(fastest, prev - e().curpos[2]);
        EXPECT_LE(e().curpos[2], prev);  // never turns back
        prev = e().curpos[2];
    }
    EXPECT_FALSE(e().posmoving);
    EXPECT_EQ(e().curpos[2], -2000);
    EXPECT_EQ(fastest, 50);
}

TEST_F(EngineTest, MoveAlreadyAtItsGoalEndsInItsFirstStep) {
    stand_at({3, 4, 5, 6, 7});
    go_to(e(), {3, 4, 5, 6, 7});
    tick();
    EXPECT_FALSE(e().posmoving);
    EXPECT_EQ(panel().text("Text8"), "2");
}

TEST_F(EngineTest, GoalOutsideTheLimitsIsClampedSoTheMoveArrives) {
    axes().max[1] = 400;
    axes().acc[1] = 50;
    go_to(e(), {0, 900, 0, 0, 0});
    int steps = 0;
    while (e().posmoving && ++steps < 200) tick();
    EXPECT_FALSE(e().posmoving);
    EXPECT_EQ(e().curpos[1], 400);
}

TEST_F(EngineTest, GoToZeroNeverRestartsButGoToStartDoesWhenLooping) {
    e().looping = true;
    stand_at({30, 0, 0, 0, 0});
    e().hometarget = true;
    e().posmoving = true;
    e().gotophase = 1;
    tick(20);
    EXPECT_EQ(e().curpos[0], 0);
    EXPECT_FALSE(e().hometarget);
    EXPECT_FALSE(e().restartflag);
    EXPECT_FALSE(e().running);

    app->state().move.movepos.at(1, 0) = 30;
    e().posmoving = true;
    e().gotophase = 1;
    int steps = 0;
    while (e().posmoving && ++steps < 50) tick();
    // The arrival step's idle branch already takes the restart: the next step plays.
    EXPECT_TRUE(e().running);
    EXPECT_EQ(last().lead, lead_position);
    tick();
    EXPECT_EQ(last().lead, lead_frame);
}

TEST_F(EngineTest, GoToFrameShowsTheTargetFrameAndReachesItsRow) {
    auto& s = app->state();
    s.move.movepos.at(300, 0) = -250.6;
    s.move.movepos.at(300, 3) = 120;
    panel().set_text("gotoFN", "300");
    e().gototarget = 300;
    e().gotoactive = true;
    e().gotophase = 1;
    int steps = 0;
    while (e().gotoactive && ++steps < 100) tick();
    EXPECT_FALSE(e().gotoactive);
    EXPECT_EQ(e().curpos[0], -251);
    EXPECT_EQ(e().curpos[3], 120);
    EXPECT_EQ(panel().text("Text1"), "300");
    EXPECT_EQ(s.move.curframe, 300);
    EXPECT_EQ(panel().text("Text22"), "00:00:12:00");
}
