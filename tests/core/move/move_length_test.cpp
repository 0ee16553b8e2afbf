#include <gtest/gtest.h>

#include "move/messages.h"
#include "move/move_length.h"
#include "started_app.h"

using namespace kestrova;
using test_support::StartedApp;

TEST(MoveLength, SetTotalFramesRecreatesEveryTable) {
    StartedApp r;
    r.add_keyframe(10, {9});
    r.set_length("250");
    const MoveModel& m = r.move();
    EXPECT_EQ(m.totalframes, 250);
    EXPECT_EQ(m.rows(), 250);
    EXPECT_EQ(static_cast<int>(m.kfframe[4].size()), 250);
    EXPECT_EQ(static_cast<int>(m.bzpos[4].size()), 250);
    EXPECT_EQ(m.keyframe_count(), 0);
    EXPECT_EQ(r.text("keyframes"), "0");
    EXPECT_EQ(r.text("Text4"), "");
    EXPECT_EQ(r.state().graph.divisions_per_label, 25);
    EXPECT_EQ(r.state().graph.series[0].size(), 250u);
}

TEST(MoveLength, LengthIsRoundedDownAndLabelsRoundHalfToEven) {
    StartedApp r;
    r.set_length("99.9");
    EXPECT_EQ(r.move().totalframes, 99);
    EXPECT_EQ(r.state().graph.divisions_per_label, 10);
    EXPECT_EQ(divisions_per_label(25), 2);
    EXPECT_EQ(divisions_per_label(35), 4);
    EXPECT_EQ(divisions_per_label(5), 0);
}

TEST(MoveLength, BelowOneBecomesOneAndTooLongIsRefused) {
    for (const char* bad : {"0", "-4", "abc"}) {
        StartedApp r;
        r.set_length(bad);
        EXPECT_EQ(r.move().totalframes, 1) << bad;
        EXPECT_EQ(r.text("Text2"), "1") << bad;
        EXPECT_EQ(r.move().rows(), 1500) << bad;  // the tables stay
    }
    for (const char* bad : {"32767", "70000", "1e400"}) {
        StartedApp r;
        r.add_keyframe(10);
        r.set_length(bad);
        EXPECT_EQ(r.status(), move_msg::length_too_long(1500)) << bad;
        EXPECT_EQ(r.move().totalframes, 1500) << bad;
        EXPECT_EQ(r.move().keyframe_count(), 1) << bad;
        EXPECT_EQ(r.text("Text2"), "1500") << bad;
    }
    StartedApp r;
    r.set_length("32766");
    EXPECT_EQ(r.move().totalframes, 32766);
}

TEST(MoveLength, EnterAppliesWithoutClearingListsOrCorrectionsAndTypingDisablesFkeys) {
    StartedApp r;
    for (int f : {10, 20, 30}) r.add_keyframe(f);
    r.move().kfcorr[0][0] = 5;
    r.panel().set_text("enable", "F keys enabled");
    r.app.type("Text2", "400");
    EXPECT_EQ(r.text("enable"), "F keys disabled");
    EXPECT_EQ(r.colour("enable"), colour::red);
    EXPECT_TRUE(r.app.key_down("Text2", 13));
    EXPECT_FALSE(r.app.key_down("Text2", 65));
    EXPECT_EQ(r.move().totalframes, 400);
    EXPECT_EQ(r.move().keyframe_count(), 0);
    EXPECT_EQ(r.text("keyframes"), "0");
    EXPECT_EQ(r.text("Text4"), "10\r\n20\r\n30\r\n");
    EXPECT_EQ(r.move().kfcorr[0][0], 5);
}
