#include <gtest/gtest.h>

#include <functional>

#include "move/messages.h"
#include "move/move_length.h"
#include "started_app.h"

using namespace kestrova;
using test_support::StartedApp;

TEST(MoveLength, SetTotalFramesRecreatesEveryTableAndRelabelsTheChart) {
    StartedApp r;
    r.add_keyframe(10, {9});
    r.set_length("250");
    const MoveModel& m = r.move();
    EXPECT_EQ(m.totalframes, 250);
    EXPECT_EQ(m.rows(), 250);
    EXPECT_EQ(static_cast<int>(m.bzpos[4].size()), 250);
    EXPECT_EQ(r.panel().text(ctl::keyframe_count_box), "0");
    EXPECT_EQ(r.panel().text(ctl::keyframe_list_boxes[0]), "");
    EXPECT_EQ(r.graph().divisions_per_label, 25);
    EXPECT_EQ(r.graph().series[0].size(), 250u);

    r.set_length("99.9");  // rounded down; labels round half to even
    EXPECT_EQ(r.move().totalframes, 99);
    EXPECT_EQ(r.graph().divisions_per_label, 10);
    EXPECT_EQ(divisions_per_label(25), 2);
    EXPECT_EQ(divisions_per_label(35), 4);
}

TEST(MoveLength, ALengthThatIsNotANumberFrom1To32766IsRefusedAndChangesNothing) {
    StartedApp r;
    r.add_keyframe(10);
    const std::function<void()> apply[] = {[&] { r.panel().press(ctl::set_total_frames_button); },
                                           [&] { r.panel().key_down(ctl::total_frames_box, 13); }};
    for (const auto& how : apply) {
        for (const char* bad : {"", "-", ".", "abc", "0", "-1", "0.5", "12abc", "1e400", "32767"}) {
            r.panel().set_text(ctl::total_frames_box, bad);
            how();
            const std::string said = std::string(bad) == "32767" ? move_msg::length_too_long(1500) : move_msg::length_not_valid(1500);
            EXPECT_EQ(std::tuple(r.status(), r.move().totalframes, r.move().rows(), r.move().keyframe_count(), r.panel().text(ctl::total_frames_box)),
                      std::tuple(said, 1500, 1500, 1, "1500")) << bad;
        }
    }
    r.set_length("32766");
    EXPECT_EQ(r.move().totalframes, 32766);
}

TEST(MoveLength, EnterAppliesWithoutClearingListsOrCorrectionsAndTypingDisablesFkeys) {
    StartedApp r;
    for (int f : {10, 20, 30}) r.add_keyframe(f);
    r.move().kfcorr[0][0] = 5;
    r.panel().set_text(ctl::fkey_status_box, move_msg::fkeys_enabled);
    r.panel().set_text(ctl::total_frames_box, "400");
    EXPECT_EQ(r.panel().text(ctl::fkey_status_box), move_msg::fkeys_disabled);
    EXPECT_EQ(r.colour(ctl::fkey_status_box), colour::red);
    EXPECT_FALSE(r.panel().key_down(ctl::total_frames_box, 65));
    EXPECT_TRUE(r.panel().key_down(ctl::total_frames_box, 13));
    EXPECT_EQ(r.move().totalframes, 400);
    EXPECT_EQ(r.panel().text(ctl::keyframe_count_box), "0");
    EXPECT_EQ(r.panel().text(ctl::keyframe_list_boxes[0]), "10\r\n20\r\n30\r\n");
    EXPECT_EQ(r.move().kfcorr[0][0], 5);
}
