// Fit to rig and its kin from the window's side: one undo step, the faint move
// before until the next change, pins kept, refusals that change nothing.
#include <gtest/gtest.h>

#include <cmath>

#include "app/messages.h"
#include "app/retime_commands.h"
#include "engine/engine_mode.h"
#include "files/move_codec.h"
#include "move/history_messages.h"
#include "retime/messages.h"
#include "started_app.h"

using namespace kestrova;
using test_support::StartedApp;

namespace {

// A jump of 100 pulses a frame from standing: ten times the acceleration.
void sharp_move(StartedApp& s) {
    s.set_length(160);
    s.add_keyframe(10, {0});
    s.add_keyframe(20, {1000, 250});
    s.add_keyframe(150, {-400, -100});
}

}  // namespace

TEST(RetimeCommands, FitIsOneUndoStepAndTheMoveBeforeStaysDrawnUntilTheNextChange) {
    StartedApp s;
    sharp_move(s);
    ASSERT_FALSE(s.app.state().check.ok());
    const auto before = encode_move(s.move());
    retime_present_move(s.app.state(), Retiming::fit);
    EXPECT_TRUE(s.app.state().check.ok()) << s.check_line();
    EXPECT_GT(s.move().totalframes, 160);
    EXPECT_EQ(s.status().rfind(retime_msg::fit + ": 160 \u2192 ", 0), 0u) << s.status();
    EXPECT_EQ(s.app.state().graph.previous[0].size(), 160u);
    EXPECT_EQ(s.app.state().graph.previous[0][19], 1000);
    EXPECT_EQ(s.move().frame_of(0, 1), 10);  // the still start is left as it was
    s.undo();
    EXPECT_EQ(encode_move(s.move()), before);
    EXPECT_TRUE(s.app.state().graph.previous[0].empty());
    // Fitting a move that suits the rig is no step at all.
    s.redo();
    retime_present_move(s.app.state(), Retiming::fit);
    EXPECT_EQ(s.status(), retime_msg::unchanged);
    EXPECT_EQ(s.editing().history().undo_label(), retime_msg::fit);
    // Nor is a Fastest move that gives the move it has, or a stretch of one frame.
    StartedApp flat;
    flat.set_length(2);
    retime_present_move(flat.app.state(), Retiming::fastest);
    EXPECT_EQ(flat.status(), retime_msg::same_move(retime_msg::fastest));
    flat.set_length(1);
    flat.app.type(ctl::total_frames_box, "50");
    retime_present_move(flat.app.state(), Retiming::stretch);
    EXPECT_EQ(flat.status(), retime_msg::nothing_to_stretch);
    EXPECT_EQ(flat.editing().history().undo_label(), history_msg::label::set_total_frames);
}

// Positions go out rounded to whole pulses: a fitted move keeps the limits as sent.
TEST(RetimeCommands, AFittedMoveKeepsTheLimitsAsWholePulses) {
    StartedApp s;
    s.set_length(120);
    const std::array<double, move_axes> poses[] = {
        {2900, -1700, 2300, -2600, 1100}, {-2100, 2800, -900, 1500, -2700}, {1300, -400, 2600, -3000, 700}};
    for (int k = 0; k < 3; ++k) s.add_keyframe(40 * k + 40, poses[k]);
    retime_present_move(s.app.state(), Retiming::fit);
    ASSERT_TRUE(s.app.state().check.ok()) << s.status();
    for (int a = 0; a < move_axes; ++a) {
        const auto sent = [&](int f) { return std::lround(s.move().movepos.at(f, a)); };
        for (int f = 3; f <= s.move().totalframes; ++f) {
            ASSERT_LE(std::abs(sent(f) - sent(f - 1)), s.axes().mSpeed[a]) << f;
            ASSERT_LE(std::abs(sent(f) - 2 * sent(f - 1) + sent(f - 2)), s.axes().acc[a]) << "axis " << a << " frame " << f;
        }
    }
}

TEST(RetimeCommands, PinsKeepTheirFramesFollowTheirKeyframeAndRefuseAStretch) {
    StartedApp s;
    sharp_move(s);
    // Keyframe 2 pinned leaves the jump no room: refused, saying how long it needs.
    toggle_pin(s.app.state(), 2);
    const auto sharp = encode_move(s.move());
    retime_present_move(s.app.state(), Retiming::fit);
    EXPECT_EQ(s.status().rfind("Fit to rig: from the start to pinned keyframe 2 the move needs ", 0), 0u) << s.status();
    EXPECT_EQ(encode_move(s.move()), sharp);
    toggle_pin(s.app.state(), 2), toggle_pin(s.app.state(), 1);
    ASSERT_TRUE(keyframe_pinned(s.app.state(), 1));
    ASSERT_FALSE(keyframe_pinned(s.app.state(), 2));
    retime_present_move(s.app.state(), Retiming::fastest);
    ASSERT_TRUE(s.app.state().check.ok()) << s.status();
    EXPECT_EQ(s.move().frame_of(0, 1), 10);
    EXPECT_LT(s.move().totalframes, 160);  // faster than before: only the pin holds
    EXPECT_TRUE(keyframe_pinned(s.app.state(), 1));
    // Stretching cannot keep a pinned frame: refused, nothing changed.
    s.app.type(ctl::total_frames_box, "300");
    const auto fitted = encode_move(s.move());
    retime_present_move(s.app.state(), Retiming::stretch);
    EXPECT_EQ(s.status(), app_msg::stretch_pinned({1}));
    EXPECT_EQ(encode_move(s.move()), fitted);
    // A pin moves with its keyframe's frame typed in the table, and goes with it.
    s.edit_cell(1, 0, "5");
    EXPECT_TRUE(keyframe_pinned(s.app.state(), 1));
    s.delete_row(1);
    EXPECT_TRUE(s.app.state().graph.pinned_frames.empty());
    s.app.type(ctl::total_frames_box, "300");
    retime_present_move(s.app.state(), Retiming::stretch);
    EXPECT_EQ(s.move().totalframes, 300) << s.status();
}

TEST(RetimeCommands, RefusedWhileTheRigFollowsTheMoveAndForAShareOutsideOneToHundred) {
    StartedApp s;
    sharp_move(s);
    const auto before = encode_move(s.move());
    ASSERT_TRUE(enter(s.engine().mode, EngineMode::Playing));
    for (Retiming how : {Retiming::fit, Retiming::fastest, Retiming::stretch}) retime_present_move(s.app.state(), how);
    EXPECT_EQ(encode_move(s.move()), before);
    EXPECT_FALSE(s.status().empty());
    for (int bad : {0, 101}) EXPECT_EQ(set_retime_share(s.app.state(), bad).error(), app_msg::share_out_of_range(bad));
    EXPECT_TRUE(set_retime_share(s.app.state(), 90));
    EXPECT_EQ(s.app.state().retiming.share_percent, 90);
}
