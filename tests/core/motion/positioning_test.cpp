#include <gtest/gtest.h>

#include "motion/messages.h"
#include "started_app.h"

using namespace kestrova;
using Rig = test_support::StartedApp;

namespace {

void long_move(Rig& r, int frames) {
    r.state().move.create_tables(frames);
    r.state().move.totalframes = frames;
}

}  // namespace

TEST(Step, AtTheEndsOfTheMoveOrFromAnEmptyBoxDoesNothing) {
    Rig r;
    r.app.type("gotoFN", "1500");
    r.app.press("Step");
    r.app.type("gotoFN", "1");
    r.app.press("stepB");
    EXPECT_FALSE(r.engine().gotoactive);
    EXPECT_EQ(r.text("gotoFN"), "1");
    EXPECT_EQ(r.status(), motion_msg::at_first_frame);

    r.app.type("gotoFN", "");
    r.app.press("Step");
    EXPECT_FALSE(r.engine().gotoactive);
    EXPECT_EQ(r.text("gotoFN"), "1");
    EXPECT_EQ(r.status(), motion_msg::not_a_number(motion_msg::sub_frame_box, "1"));
}

TEST(GoToPage, ClampsThePageAndGoesToItsFirstFrame) {
    Rig r;
    long_move(r, 20000);
    r.app.type("Text12", "2000");
    r.app.press("gotoFrame");
    EXPECT_EQ(r.text("Text12"), "1062");
    EXPECT_EQ(r.engine().gototarget, 18993);

    r.app.type("Text12", "3");
    r.app.press("gotoFrame");
    EXPECT_EQ(r.engine().gototarget, 2049);
    EXPECT_EQ(r.text("gotoFN"), "2049");
}

TEST(GoToPage, RefusesAFrameWithoutATableRow) {
    Rig r;
    r.app.type("Text12", "3");
    r.app.press("gotoFrame");
    EXPECT_FALSE(r.engine().gotoactive);
    EXPECT_EQ(r.status(), motion_msg::no_such_frame(2049, 1500));

    r.app.type("gotoFN", "1501");
    r.app.press("Command14");
    EXPECT_FALSE(r.engine().gotoactive);
}

TEST(PageBox, NeverChangesTheMoveLength) {
    Rig r;
    long_move(r, 300);
    r.app.press("enFkeys");
    r.app.type("Text12", "7");
    EXPECT_EQ(r.state().move.totalframes, 300);
    EXPECT_EQ(r.text("enable"), "F keys disabled");
}

TEST(FrameBox, KeepsFramesOfTheMoveOnly) {
    Rig r;
    for (const char* bad : {"0", "1501", ""}) {
        r.app.type("Text18", "9");
        r.app.type("Text18", bad);
        EXPECT_EQ(r.text("Text18"), "1") << bad;
    }
    r.app.type("Text18", "1500");
    EXPECT_EQ(r.text("Text18"), "1500");
}

TEST(GoToPosition, StartsOnlyFromTenPulsesAway) {
    Rig r;
    r.engine().curpos[1] = 100;
    r.app.type("posB", "109.9");
    r.engine().atspeed.fill(true);
    r.app.press("gotopos");
    EXPECT_FALSE(r.engine().posmoving || r.engine().entrytarget);
    EXPECT_FALSE(r.engine().atspeed[7]);
    EXPECT_EQ(r.status(), motion_msg::nothing_to_position);

    r.app.type("posB", "110");
    r.app.press("gotopos");
    EXPECT_TRUE(r.engine().posmoving && r.engine().entrytarget);
    EXPECT_EQ(r.engine().target[1], 110);
}

TEST(ZeroAll, NeedsTwoPressesAndStopInBetweenCancels) {
    Rig r;
    r.engine().curpos = {5, 6, 7, 8, 9, 10, 0, 0};
    r.app.press("zeroall");
    EXPECT_EQ(r.text("zeroall"), "confirm");
    r.app.press("Stop");
    r.app.press("zeroall");
    EXPECT_EQ(r.engine().curpos[0], 5);
    EXPECT_FALSE(r.engine().resetreq);

    r.app.press("zeroall");
    EXPECT_EQ(r.engine().curpos[4], 0);
    EXPECT_EQ(r.engine().curpos[5], 10);  // axis F is not a move axis
    EXPECT_TRUE(r.engine().resetreq);
}
