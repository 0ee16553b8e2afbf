#include <gtest/gtest.h>

#include "engine/messages.h"
#include "motion/messages.h"
#include "started_app.h"
#include "motion/controls.h"

using namespace kestrova;
using Rig = test_support::StartedApp;

TEST(Run, StartsOnlyWhenTheWholeNumberPartMatchesTheStartOfTheMove) {
    struct Case { double at; int keyframe; bool starts; };
    for (Case c : {Case{10.7, 10, true}, Case{11, 10, false}, Case{-10.7, -11, false}}) {
        Rig r;
        r.move().movepos.at(1, 2) = c.keyframe + 0.4;  // go to start drives to the whole number
        r.engine().curpos[2] = c.at;
        r.app.press(ctl::run_button);
        EXPECT_EQ(r.engine().mode == EngineMode::Playing, c.starts) << c.at;
        EXPECT_EQ(r.app.panel().at(ctl::not_at_start_warning).visible, !c.starts);
        EXPECT_EQ(r.status(), c.starts ? "" : motion_msg::not_at_start('C'));
    }
}

TEST(Run, SlowPlayStartsFromTheStartOfEveryAxisRunningRefusesARestartAndStopEndsEverything) {
    Rig r;
    for (int a = 0; a < move_axes; ++a) {
        r.engine().curpos[a] = 100 * (a + 1);
        for (int f = 1; f <= r.move().rows(); ++f) r.move().movepos.at(f, a) = 100 * (a + 1) + 0.5;
    }
    r.app.type(ctl::divider_box, "2");
    r.app.press(ctl::run_button);
    const PlaybackState& pl = r.engine().play;
    ASSERT_EQ(r.engine().mode, EngineMode::Playing);
    for (int a = 0; a < move_axes; ++a) EXPECT_EQ(pl.frompos[a], 100 * (a + 1));

    // Restarting mid-play would make the rig jump back to frame 1.
    r.engine().play.playframe = 300;
    r.app.press(ctl::run_button);
    EXPECT_EQ(pl.playframe, 300);
    EXPECT_EQ(r.status(), motion_msg::already_playing);

    // Stop leaves the rig where the last frame sent it (rounded down) and ends everything;
    // a single-frame run cannot start while the move plays.
    r.app.press(ctl::single_frame_button);
    EXPECT_EQ(r.status(), engine_msg::stop_play_first);
    r.engine().play.next = {10.9, -3.2, 7, 0, 5.5};
    r.engine().play.looping = true;
    r.app.press(ctl::stop_button);
    EXPECT_EQ(r.engine().curpos[0], 10);
    EXPECT_EQ(r.engine().curpos[1], -4);
    EXPECT_EQ(r.engine().mode, EngineMode::Idle);
    EXPECT_FALSE(pl.looping);
    r.app.press(ctl::single_frame_button);
    ASSERT_EQ(r.engine().mode, EngineMode::SingleFrame);
    r.app.press(ctl::stop_button);
    EXPECT_EQ(r.engine().mode, EngineMode::Idle);
    EXPECT_EQ(r.text(ctl::single_frame_button), motion_msg::single_frame_off);

    Rig normal;  // at normal speed the sound sync waits two steps
    normal.app.press(ctl::run_button);
    EXPECT_EQ(normal.engine().play.divcount, 1);
    EXPECT_EQ(normal.engine().sound_sync.synccount, 2);
}
