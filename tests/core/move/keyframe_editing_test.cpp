#include <gtest/gtest.h>

#include "move/history_messages.h"
#include "move/messages.h"
#include "started_app.h"

using namespace kestrova;

namespace {

struct Rig : test_support::StartedApp {
    void del_at(const std::string& frame) {
        panel().set_text(ctl::keyframe_frame_box, frame);
        panel().press(ctl::delete_keyframe_button);
    }
    std::vector<int> frames() {
        std::vector<int> out;
        for (int k = 1; k <= move().keyframe_count(); ++k) out.push_back(move().frame_of(0, k));
        return out;
    }
};

}  // namespace

TEST(KeyframeEditing, AddRecalculatesListsInFrameOrderAndReplacesTheKeyframeOnItsFrame) {
    Rig r;
    r.add_keyframe("100", {10.5, 11.5, 30, 40, 50});  // positions round half to even
    EXPECT_DOUBLE_EQ(r.move().movepos.at(50, 0), 5);  // the ramp from 0 at frame 0
    EXPECT_DOUBLE_EQ(r.move().movepos.at(100, 4), 50);
    EXPECT_EQ(r.text(ctl::keyframe_list_boxes[0]), "100\r\n");
    EXPECT_EQ(r.text(ctl::keyframe_list_boxes[2]), "12\r\n");
    EXPECT_EQ(r.text(ctl::fkey_status_box), move_msg::fkeys_disabled);
    r.add_keyframe("200", {2});
    r.add_keyframe("150", {3});
    r.add_keyframe("150", {4});
    EXPECT_EQ(r.frames(), (std::vector<int>{100, 150, 200}));
    EXPECT_EQ(r.text(ctl::keyframe_list_boxes[1]), "10\r\n4\r\n2\r\n");
    EXPECT_DOUBLE_EQ(r.move().movepos.at(150, 0), 4);
    EXPECT_EQ(r.editing().history().undo_label(), history_msg::label::replace_keyframe);
    r.panel().show(ctl::keyframe_frame_box, "200"), r.panel().press(ctl::delete_keyframe_button);  // as play-back shows it
    EXPECT_EQ(r.frames(), (std::vector<int>{100, 150}));
}

TEST(KeyframeEditing, AddOrDeleteIsRefusedForAFrameOutsideTheMoveAFullTableOrAPositionTooLarge) {
    Rig r;
    for (const char* frame : {"1", "2", "1e3", " 1500 "}) r.add_keyframe(frame);
    const std::vector<int> kept{1, 2, 1000, 1500};
    ASSERT_EQ(r.frames(), kept);
    for (const char* frame : {"0.5", "1.5", "1500.5", "0", "-5", "1501", "abc", "", "2x"}) {
        r.move().curframe = 7;
        r.add_keyframe(frame);
        EXPECT_EQ(r.status(), move_msg::add_frame_not_valid(1500)) << frame;
        r.del_at(frame);
        EXPECT_EQ(r.status(), move_msg::delete_frame_not_valid(1500)) << frame;
        EXPECT_EQ(r.frames(), kept) << frame;
        EXPECT_EQ(r.text(ctl::keyframe_frame_box), frame);
        EXPECT_EQ(r.move().curframe, 7) << frame;
    }

    // A position too large.
    Rig far;
    far.add_keyframe("5", {0, 0, 0, 0, 3e9});
    EXPECT_EQ(far.status(), move_msg::position_out_of_range);
    EXPECT_EQ(far.move().keyframe_count(), 0);
}

TEST(KeyframeEditing, DeleteRemovesTheKeyframeOrSaysThereIsNoneAndClearMoveEmptiesTableListsMoveAndFirstCorrections) {
    Rig r;
    r.add_keyframe("50", {10});
    r.add_keyframe("100", {20});
    r.del_at("50");
    EXPECT_EQ(r.text(ctl::keyframe_list_boxes[1]), "20\r\n");
    EXPECT_DOUBLE_EQ(r.move().movepos.at(50, 0), 10);  // recalculated: the ramp to 20 at 100

    r.move().movepos.at(5, 0) = 999;  // as if shaped
    r.del_at("60");                   // no keyframe there: the shape stays
    EXPECT_EQ(r.status(), move_msg::no_keyframe_at(60));
    EXPECT_EQ(r.frames(), std::vector<int>{100});
    EXPECT_DOUBLE_EQ(r.move().movepos.at(5, 0), 999);
    r.move().movepos.at(5, 0) = 1;

    r.del_at("100");  // the only keyframe: frame 1 alone is zeroed
    EXPECT_EQ(r.text(ctl::keyframe_count_box), "0");
    EXPECT_DOUBLE_EQ(r.move().movepos.at(1, 0), 0);
    EXPECT_DOUBLE_EQ(r.move().movepos.at(5, 0), 1);

    // Clear Move keeps the length; a re-calc with no keyframe left changes nothing
    // and does not redraw, it only marks the F keys off.
    r.add_keyframe("10", {5});
    r.move().kfcorr[2][255] = 3;
    r.move().kfcorr[2][256] = 4;
    r.panel().press(ctl::clear_move_button);
    MoveModel& m = r.move();
    EXPECT_EQ(r.text(ctl::keyframe_count_box), "0");
    EXPECT_EQ(r.text(ctl::keyframe_list_boxes[5]), "");
    EXPECT_DOUBLE_EQ(m.movepos.at(5, 0), 0);
    EXPECT_EQ(m.kfcorr[2][255], 0);
    EXPECT_EQ(m.kfcorr[2][256], 4);  // only rows 1..256 are cleared
    EXPECT_EQ(r.text(ctl::total_frames_box), "1500");

    m.movepos.at(3, 2) = 42;
    const unsigned revision = r.graph().revision;
    r.panel().press(ctl::recalc_button);
    EXPECT_EQ(m.movepos.at(3, 2), 42);
    EXPECT_EQ(r.graph().revision, revision);
    EXPECT_EQ(r.colour(ctl::fkey_status_box), colour::light_red);
}
