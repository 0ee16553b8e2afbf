// Run after "go to start", the question before a move beyond the axes, and Escape's stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "axes/controls.h"
#include "engine_fixture.h"
#include "motion/controls.h"
#include "motion/jog_keys.h"
#include "motion/messages.h"
#include "shaping/controls.h"

using namespace kestrova;
using test_support::EngineTest;

namespace {

class RunFromStart : public EngineTest {
protected:
    // From the rig at rest at zero, "go to start" until it has arrived.
    void go_to_start() {
        stand_at({});
        panel().press(ctl::go_to_start_button);
        for (int i = 0; i < 3000 && e().mode == EngineMode::Positioning; ++i) tick();
        ASSERT_NE(e().mode, EngineMode::Positioning);
    }
    // The positions of frame 1 of the move as a frame message carries them.
    std::array<std::int32_t, move_axes> frame_1() {
        std::array<double, move_axes> row{};
        for (int a = 0; a < move_axes; ++a) row[static_cast<std::size_t>(a)] = rig.move().movepos.at(1, a);
        return decode_message(build_message(lead_frame, row, false, 0).value().view())->pos;
    }
    bool start_is_between_frames() {
        for (int a = 0; a < move_axes; ++a)
            if (rig.move().movepos.at(1, a) != rig.move().pos_of(a, 1)) return true;
        return false;
    }
    void run_and_expect_frame_1() {
        const std::size_t before = line->sent.size();
        panel().press(ctl::run_button);
        ASSERT_EQ(e().mode, EngineMode::Playing) << notices().status;
        tick();
        ASSERT_EQ(line->sent.size(), before + 1);
        EXPECT_EQ(last().lead, lead_frame);
        EXPECT_EQ(last().pos, frame_1());
    }
};

}  // namespace

TEST_F(RunFromStart, ASmoothedOrALateStartingMovePlaysFromWhereGoToStartLeftTheRig) {
    rig.add_keyframe(1, {0, 0, 0, 0, 0});
    rig.add_keyframe(60, {900, -700, 500, 300, -200});
    rig.add_keyframe(120, {0, 0, 0, 0, 0});
    panel().set_text(ctl::smoothing_width_box, "15");
    panel().set_text(ctl::smoothing_passes_box, "3");
    panel().press(ctl::smooth_button);
    ASSERT_TRUE(start_is_between_frames());
    go_to_start();
    run_and_expect_frame_1();

    // A first keyframe later than frame 1: the move starts on its ramp from zero.
    panel().press(ctl::stop_button);
    rig.set_length(200);
    rig.add_keyframe(40, {800, 600, -400, 200, 100});
    rig.add_keyframe(200, {1200, 900, -600, 300, 150});
    ASSERT_TRUE(start_is_between_frames());
    go_to_start();
    run_and_expect_frame_1();
}

TEST_F(RunFromStart, AMoveBeyondTheMaxSpeedAsksOnceAndCancelSendsNothing) {
    // Tilt (axis B) jumps by twice its maximum speed into frames 10, 11 and 12.
    const double jump = 2 * axes().mSpeed[1];
    for (int f = 1; f <= rig.move().rows(); ++f)
        rig.move().movepos.at(f, 1) = jump * std::clamp(f - 9, 0, 3);
    stand_at({});
    const std::size_t before = line->sent.size();
    panel().press(ctl::run_button);
    ASSERT_TRUE(notices().box);
    EXPECT_TRUE(notices().box->ok_cancel);
    // The chart shades those frames red.
    const auto& marks = rig.graph().marks;
    EXPECT_TRUE(std::any_of(marks.begin(), marks.end(),
                            [](const auto& m) { return m.first == 10 && m.last == 12 && !m.acceleration; }));
    EXPECT_NE(notices().box->text.find("at frames 10-12"), std::string::npos);
    rig.take_box()->answer(false);
    tick(3);
    EXPECT_NE(e().mode, EngineMode::Playing);
    for (std::size_t i = before; i < line->sent.size(); ++i) EXPECT_NE(line->sent[i][0], lead_frame);

    // OK plays as a move within the limits would, and asks nothing more.
    panel().press(ctl::run_button);
    ASSERT_TRUE(notices().box);
    rig.take_box()->answer(true);
    EXPECT_EQ(e().mode, EngineMode::Playing);
    tick();
    EXPECT_EQ(last().lead, lead_frame);
    EXPECT_FALSE(notices().box);
}

// Escape: each kind of motion sends its last change within one tick.
TEST_F(RunFromStart, EscapeStopsPlayBackPositioningAndJoggingWithinOneTick) {
    stand_at({});
    const std::function<void()> starts[] = {
        [&] { panel().press(ctl::run_button); },
        [&] {
            panel().set_text(ctl::position_boxes[0], "3000");
            panel().press(ctl::go_to_position_button);
        },
        [&] {
            panel().set_text(ctl::fspeed_boxes[1], "40");
            panel().press(ctl::enable_fkeys_button);
            app->key_down(ctl::fkey_status_box, first_fkey_code + 3);  // F4: axis B up
        },
    };
    for (const auto& start : starts) {
        start();
        tick(5);
        ASSERT_TRUE(e().mode != EngineMode::Idle || e().jog.speed[1] > 0);
        app->stop_everything();
        const auto at = e().curpos;
        const std::size_t sent = line->sent.size();
        tick();
        EXPECT_EQ(line->sent.size(), sent + 1);
        EXPECT_EQ(last().lead, lead_position);
        tick();
        EXPECT_EQ(e().curpos, at);
        EXPECT_EQ(e().mode, EngineMode::Idle);
        for (double s : e().jog.speed) EXPECT_EQ(s, 0);
    }
    // A release arriving after the stop sets nothing coasting.
    const auto jogged = e().curpos;
    app->key_up(ctl::fkey_status_box, first_fkey_code + 3);
    tick();
    EXPECT_EQ(e().curpos, jogged);
}

TEST_F(RunFromStart, ProgressCountsTheDividerAndLoopingAndThePlayHeadFollowsTheFrameSent) {
    rig.move().totalframes = 250;
    stand_at({});
    EXPECT_EQ(app->progress(), motion_msg::running_time(250, 10));
    panel().set_text(ctl::divider_box, "2");
    panel().press(ctl::run_button);
    tick(2 * 52 + 1);  // frames 1..52 whole, the first of frame 53's two steps
    EXPECT_EQ(rig.graph().play_head, 53);
    // One step of frame 53 and 197 frames of two steps: 395 steps, 15.8 s.
    EXPECT_EQ(app->progress(), motion_msg::play_progress(53, 250, 16, false));
    panel().press(ctl::loop_button);
    EXPECT_EQ(app->progress(), motion_msg::play_progress(53, 250, 16, true));
    panel().press(ctl::stop_button);
    tick();
    EXPECT_EQ(rig.graph().play_head, 0);
}
