#include <gtest/gtest.h>

#include "motion/messages.h"
#include "started_app.h"

using namespace kestrova;
using Rig = test_support::StartedApp;

TEST(Run, StartsOnlyWhenTheWholeNumberPartMatchesTheFirstKeyframe) {
    struct Case { double at; int keyframe; bool starts; };
    for (Case c : {Case{10.7, 10, true}, Case{11, 10, false}, Case{-10.7, -11, false}}) {
        Rig r;
        r.state().move.pos_of(2, 1) = c.keyframe;
        r.engine().curpos[2] = c.at;
        r.app.press("run");
        EXPECT_EQ(r.engine().running, c.starts) << c.at;
        EXPECT_EQ(r.app.panel().at("warning").visible, !c.starts);
        if (!c.starts) {
            EXPECT_EQ(r.status(), motion_msg::not_at_start('C'));
        }
    }
}

TEST(Run, SlowPlayStartsFromTheFirstKeyframeOfEveryAxis) {
    Rig r;
    for (int a = 0; a < move_axes; ++a) r.engine().curpos[a] = r.state().move.pos_of(a, 1) = 100 * (a + 1);
    r.app.type("Text6", "2");
    r.app.press("run");
    ASSERT_TRUE(r.engine().running);
    EXPECT_EQ(r.engine().divcount, 0);
    for (int a = 0; a < move_axes; ++a) EXPECT_EQ(r.engine().frompos[a], 100 * (a + 1));

    Rig normal;
    normal.app.press("run");
    EXPECT_EQ(normal.engine().divcount, 1);
    EXPECT_EQ(normal.engine().synccount, 2);
}

TEST(Run, IsRefusedWhilePlayingSoTheRigNeverJumpsBackToFrameOne) {
    Rig r;
    r.app.press("run");
    r.engine().playframe = 300;
    r.app.press("run");
    EXPECT_EQ(r.engine().playframe, 300);
    EXPECT_EQ(r.status(), motion_msg::already_playing);
}

TEST(Stop, LeavesTheRigWhereTheLastFrameSentItAndEndsEverything) {
    Rig r;
    r.app.press("run");
    r.app.press("setsingle");
    r.app.press("zeroall");
    r.engine().next = {10.9, -3.2, 7, 0, 5.5};
    EngineState& e = r.engine();
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
