#include "motion/messages.h"
#include "motion/playback_commands.h"
#include "rig.h"

using namespace kestrova;
using test_support::Rig;

namespace {

void first_keyframe(Rig& r, int axis, int pos) { r.s().move.pos_of(axis, 1) = pos; }

}  // namespace

TEST(Run, StartsOnlyWhenTheWholeNumberPartMatchesTheFirstKeyframe) {
    {
        Rig r;
        first_keyframe(r, 0, 10);
        r.e().curpos[0] = 10.7;
        r.app.press("run");
        EXPECT_TRUE(r.e().running);
        EXPECT_EQ(r.e().playframe, 1);
        EXPECT_FALSE(r.p().at("warning").visible);
    }
    struct Case { double at; int kf; };
    for (Case c : {Case{11, 10}, Case{-10.7, -11}}) {
        Rig r;
        first_keyframe(r, 2, c.kf);
        r.e().curpos[2] = c.at;
        r.e().playframe = 77;
        r.app.press("run");
        EXPECT_FALSE(r.e().running) << c.at;
        EXPECT_EQ(r.e().playframe, 77);
        EXPECT_TRUE(r.p().at("warning").visible);
        EXPECT_EQ(r.status(), motion_msg::not_at_start('C'));
        r.app.press("Stop");
        EXPECT_FALSE(r.p().at("warning").visible);
    }
}

TEST(Run, SlowPlayStartsFromTheFirstKeyframeOfEveryAxis) {
    Rig r;
    for (int a = 0; a < move_axes; ++a) {
        first_keyframe(r, a, 100 * (a + 1));
        r.e().curpos[a] = 100 * (a + 1);
    }
    r.app.type("Text6", "2");
    r.app.press("run");
    ASSERT_TRUE(r.e().running);
    EXPECT_EQ(r.e().playdiv, 2);
    EXPECT_EQ(r.e().divcount, 0);
    for (int a = 0; a < move_axes; ++a) EXPECT_EQ(r.e().frompos[a], 100 * (a + 1));

    Rig normal;
    normal.app.press("run");
    EXPECT_EQ(normal.e().divcount, 1);
    EXPECT_EQ(normal.e().synccount, 2);
    EXPECT_FALSE(normal.e().soundsynced);
    EXPECT_EQ(normal.text("enable"), "F keys disabled");
}

TEST(Run, IsRefusedWhilePlayingSoTheRigNeverJumpsBackToFrameOne) {
    Rig r;
    r.app.press("run");
    r.e().playframe = 300;
    r.app.press("run");
    EXPECT_EQ(r.e().playframe, 300);
    EXPECT_EQ(r.status(), motion_msg::already_playing);
}

TEST(Stop, LeavesTheRigWhereTheLastFrameSentItAndEndsEverything) {
    Rig r;
    r.app.press("run");
    r.e().next = {10.9, -3.2, 7, 0, 5.5};
    r.e().looping = r.e().posmoving = r.e().hometarget = r.e().entrytarget = true;
    r.e().gotoactive = r.e().restartflag = true;
    r.e().incontrol = 1;
    r.app.press("zeroall");
    ASSERT_EQ(r.text("zeroall"), "confirm");
    r.app.press("Stop");
    const EngineState& e = r.e();
    EXPECT_EQ(e.curpos[0], 10);
    EXPECT_EQ(e.curpos[1], -4);
    EXPECT_EQ(e.curpos[4], 5);
    EXPECT_FALSE(e.running || e.looping || e.posmoving || e.hometarget || e.entrytarget || e.gotoactive);
    EXPECT_FALSE(e.restartflag);  // a looping return that just arrived does not restart
    EXPECT_EQ(e.incontrol, 0);
    EXPECT_EQ(r.text("zeroall"), "Zero All Axies");
    EXPECT_EQ(r.colour("Loopy"), colour::inactive_border);
    EXPECT_EQ(r.text("setsingle"), "S.F. off");
    EXPECT_EQ(r.colour("setsingle"), colour::red);
    EXPECT_EQ(r.colour("camflash"), colour::inactive_border);
}

TEST(Stop, WhenIdleKeepsThePresentPositions) {
    Rig r;
    r.e().curpos[0] = 123.4;
    r.e().next[0] = 9;
    r.app.press("Stop");
    EXPECT_EQ(r.e().curpos[0], 123.4);
}

TEST(Loop, TogglesWithItsColour) {
    Rig r;
    r.app.press("Loopy");
    EXPECT_TRUE(r.e().looping);
    EXPECT_EQ(r.colour("Loopy"), colour::green);
    r.app.press("Loopy");
    EXPECT_FALSE(r.e().looping);
    EXPECT_EQ(r.colour("Loopy"), colour::red);
}

TEST(DividerBox, AcceptsWholeDividersUpTo1000) {
    Rig r;
    for (const char* bad : {"1001", "0", "-2", "", "x", "1.5"}) {
        r.app.type("Text6", "7");
        r.app.type("Text6", bad);
        EXPECT_EQ(r.text("Text6"), "1") << bad;
    }
    r.app.type("Text6", "1000");
    EXPECT_EQ(r.text("Text6"), "1000");
    r.app.press("Speed");
    EXPECT_EQ(r.e().playdiv, 1000);
    r.app.type("Text6", "1001");
    EXPECT_EQ(r.status(), motion_msg::out_of_range(motion_msg::divider_box, "a whole number 1 to 1000", "1"));
}

TEST(Reset, AsksTheControllerToZeroItsCounters) {
    Rig r;
    r.app.press("Command12");
    EXPECT_TRUE(r.e().resetreq);
}
