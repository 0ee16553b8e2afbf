#include <gtest/gtest.h>

#include "motion/messages.h"
#include "started_app.h"

using namespace kestrova;
using Rig = test_support::StartedApp;

TEST(Step, AtTheEndsOfTheMoveOrFromAnEmptyBoxDoesNothing) {
    Rig r;
    const PositioningState& ps = r.engine().positioning;
    r.app.type("gotoFN", "1500");
    r.app.press("Step");
    EXPECT_EQ(r.status(), motion_msg::at_last_frame);
    r.app.type("gotoFN", "1");
    r.app.press("stepB");
    EXPECT_FALSE(ps.gotoactive);
    EXPECT_EQ(r.text("gotoFN"), "1");
    EXPECT_EQ(r.status(), motion_msg::at_first_frame);

    r.app.type("gotoFN", "");
    r.app.press("Step");
    EXPECT_FALSE(ps.gotoactive);
    EXPECT_EQ(r.text("gotoFN"), "1");
    EXPECT_EQ(r.status(), motion_msg::not_a_number(motion_msg::sub_frame_box, "1"));
}

TEST(GoToPage, ClampsThePageGoesToItsFirstFrameAndRefusesAFrameWithoutARow) {
    Rig r;
    const PositioningState& ps = r.engine().positioning;
    r.app.type("Text12", "3");
    r.app.press("gotoFrame");
    EXPECT_FALSE(ps.gotoactive);
    EXPECT_EQ(r.status(), motion_msg::no_such_frame(2049, 1500));
    r.app.type("gotoFN", "1501");
    r.app.press("Command14");
    EXPECT_FALSE(ps.gotoactive);

    r.move().create_tables(20000);
    r.move().totalframes = 20000;
    r.app.type("Text12", "2000");
    r.app.press("gotoFrame");
    EXPECT_EQ(r.text("Text12"), "1062");
    EXPECT_EQ(ps.gototarget, 18993);
    r.app.type("Text12", "3");
    r.app.press("gotoFrame");
    EXPECT_TRUE(ps.gotoactive);
    EXPECT_EQ(ps.gototarget, 2049);
    EXPECT_EQ(r.text("gotoFN"), "2049");
}

TEST(GoToPosition, StartsOnlyFromTenPulsesAway) {
    Rig r;
    const PositioningState& ps = r.engine().positioning;
    r.engine().curpos[1] = 100;
    r.app.type("posB", "109.9");
    r.engine().positioning.atspeed.fill(true);
    r.app.press("gotopos");
    EXPECT_FALSE(ps.posmoving || ps.entrytarget);
    EXPECT_FALSE(ps.atspeed[7]);
    EXPECT_EQ(r.status(), motion_msg::nothing_to_position);

    r.app.type("posB", "110");
    r.app.press("gotopos");
    EXPECT_TRUE(ps.posmoving && ps.entrytarget);
    EXPECT_EQ(ps.target[1], 110);
}

TEST(ZeroAll, NeedsTwoPressesAndStopInBetweenCancels) {
    Rig r;
    r.engine().curpos = {5, 6, 7, 8, 9, 10, 0, 0};
    r.app.press("zeroall");
    EXPECT_EQ(r.text("zeroall"), motion_msg::zero_all_armed);
    r.app.press("Stop");
    r.app.press("zeroall");
    EXPECT_EQ(r.engine().curpos[0], 5);
    EXPECT_FALSE(r.state().link.resetreq);

    r.app.press("zeroall");
    EXPECT_EQ(r.engine().curpos[4], 0);
    EXPECT_EQ(r.engine().curpos[5], 10);  // axis F is not a move axis
    EXPECT_TRUE(r.state().link.resetreq);
    EXPECT_EQ(r.text("posA"), "0");
}
