// While the rig follows the move, nothing the operator does changes the move
// or how it is played; every refusal says why.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/engine_mode.h"
#include "engine/messages.h"
#include "app/keyframe_drag.h"
#include "files/move_codec.h"
#include "motion/controls.h"
#include "shaping/controls.h"
#include "started_app.h"

using namespace kestrova;
using test_support::StartedApp;

TEST(MoveLock, EveryEditWaitsWhileTheRigFollowsTheMove) {
    using M = EngineMode;
    const std::vector<std::vector<M>> modes = {
        {M::Playing}, {M::Playing, M::LoopingBack}, {M::Positioning}, {M::GoingToFrame},
        {M::SingleFrame}, {M::SingleFrame, M::SingleFrameStep}};
    struct Edit {
        const char* name;
        std::function<void(StartedApp&)> act;
    };
    const Edit edits[] = {
        {"add", [](StartedApp& s) { s.add_keyframe(50, {9, 9, 9, 9, 9}); }},
        {"delete", [](StartedApp& s) { s.app.type(ctl::keyframe_frame_box, "100"); s.app.press(ctl::delete_keyframe_button); }},
        {"clear", [](StartedApp& s) { s.app.press(ctl::clear_move_button); }},
        {"length", [](StartedApp& s) { s.set_length(40); }},
        {"length by Enter", [](StartedApp& s) { s.app.type(ctl::total_frames_box, "40"); s.app.key_down(ctl::total_frames_box, 13); }},
        {"smooth", [](StartedApp& s) { s.app.press(ctl::smooth_button); }},
        {"table frame", [](StartedApp& s) { s.edit_cell(2, 0, "60"); }},
        {"table position", [](StartedApp& s) { s.edit_cell(2, 3, "60"); }},
        {"table delete", [](StartedApp& s) { s.delete_row(2); }},
        {"undo", [](StartedApp& s) { s.undo(); }},
        {"load", [](StartedApp& s) { s.load("other"); }},
        {"recent", [](StartedApp& s) { (void)s.load_recent(s.moves() / "other"); }},
        {"play speed", [](StartedApp& s) { s.app.type(ctl::divider_box, "3"); s.app.press(ctl::play_speed_button); }},
    };
    for (const std::vector<M>& path : modes)
        for (const Edit& edit : edits) {
            StartedApp s;
            s.add_keyframe(1, {5});
            s.save_as("other");
            s.add_keyframe(100, {300});
            const Bytes before = encode_move(s.move());
            for (M m : path) ASSERT_TRUE(enter(s.engine().mode, m));
            edit.act(s);
            EXPECT_EQ(std::tuple(encode_move(s.move()), s.status(), s.engine().play.playdiv, s.text(ctl::keyframe_count_box), s.editing().unsaved()),
                      std::tuple(before, engine_msg::stop_rig_first, 1, "2", true))
                << mode_name(path.back()) << ": " << edit.name;
        }
}

TEST(MoveLock, AnEditOutsideTheListIsTakenBackAndTheRigStillJogsAndStops) {
    StartedApp s;
    s.add_keyframe(100, {300});
    const Bytes before = encode_move(s.move());
    ASSERT_TRUE(enter(s.engine().mode, EngineMode::Playing));
    // A command nobody listed as an edit changes the move: it does not stand; Stop is no edit.
    (void)s.editing().around("stray", [&] { s.move().movepos.at(7, 0) = 1e6; });
    EXPECT_EQ(encode_move(s.move()), before);
    s.app.press(ctl::stop_button);
    EXPECT_EQ(s.engine().mode, EngineMode::Idle);
    s.add_keyframe(50, {9});
    EXPECT_EQ(s.move().keyframe_count(), 2);
}

// A button pressed while a keyframe is being dragged (the pad's A, say) meets
// the move as it was before the drag: the drag ends, cancelled.
TEST(MoveLock, ACommandDuringAKeyframeDragMeetsTheMoveBeforeIt) {
    StartedApp s;
    s.set_length(100);
    s.add_keyframe(50, {300});
    const Bytes before = encode_move(s.move());
    const KeyframeDragHooks drag = keyframe_drag_hooks(s.app.state());
    ASSERT_TRUE(drag.begin(0, 50));
    (void)drag.update(60, 900, DragKeep::nothing);
    ASSERT_NE(encode_move(s.move()), before);
    s.app.press(ctl::stop_button);
    EXPECT_EQ(encode_move(s.move()), before);
    drag.end(true);  // the release after it changes nothing
    EXPECT_EQ(encode_move(s.move()), before);
}
