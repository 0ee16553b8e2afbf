#include "motion/messages.h"
#include "rig.h"

using namespace kestrova;
using test_support::Rig;

TEST(Run, StartsOnlyWhenTheWholeNumberPartMatchesTheFirstKeyframe) {
    struct Case { double at; int keyframe; bool starts; };
    for (Case c : {Case{10.7, 10, true}, Case{11, 10, false}, Case{-10.7, -11, false}}) {
        Rig r;
        r.s().move.pos_of(2, 1) = c.keyframe;
        r.e().curpos[2] = c.at;
        r.app.press("run");
        EXPECT_EQ(r.e().running, c.starts) << c.at;
        EXPECT_EQ(r.app.panel().at("warning").visible, !c.starts);
        if (!c.starts) {
            EXPECT_EQ(r.status(), motion_msg::not_at_start('C'));
        }
    }
}

TEST(Run, SlowPlayStartsFromTheFirstKeyframeOfEveryAxis) {
    Rig r;
    for (int a = 0; a < move_axes; ++a) r.e().curpos[a] = r.s().move.pos_of(a, 1) = 100 * (a + 1);
    r.app.type("Text6", "2");
    r.app.press("run");
    ASSERT_TRUE(r.e().running);
    EXPECT_EQ(r.e().divcount, 0);
    for (int a = 0; a < move_axes; ++a) EXPECT_EQ(r.e().frompos[a], 100 * (a + 1));

    Rig normal;
    normal.app.press("run");
    EXPECT_EQ(normal.e().divcount, 1);
    EXPECT_EQ(normal.e().synccount, 2);
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
    r.app.press("setsingle");
    r.app.press("zeroall");
    r.e().next = {10.9, -3.2, 7, 0, 5.5};
    EngineState& e = r.e();
    e.looping = e.posmoving = e.hometarget = e.entrytarget = e.gotoactive = e.restartflag = true;
    r.app.press("Stop");
    EXPECT_EQ(e.curpos[0], 10);
    EXPECT_EQ(e.curpos[1], -4);
    EXPECT_FALSE(e.running || e.looping || e.posmoving || e.hometarget || e.entrytarget || e.gotoactive);
    EXPECT_FALSE(e.restartflag);  // a looping return that has just arrived must not restart
    EXPECT_FALSE(e.sfrun);
    EXPECT_EQ(r.text("setsingle"), "S.F. off");
    EXPECT_EQ(r.text("zeroall"), "Zero All Axies");
}

TEST(DividerBox, AcceptsWholeDividersUpTo1000) {
    Rig r;
    for (const char* bad : {"1001", "0", "", "1.5"}) {
        r.app.type("Text6", "7");
        r.app.type("Text6", bad);
        EXPECT_EQ(r.text("Text6"), "1") << bad;
    }
    r.app.type("Text6", "1000");
    EXPECT_EQ(r.text("Text6"), "1000");
}
