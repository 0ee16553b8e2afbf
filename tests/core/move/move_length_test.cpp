#include <gtest/gtest.h>

#include "move/messages.h"
#include "move/move_length.h"
#include "shell/app.h"
#include "temp_dir.h"

using namespace kestrova;

namespace {

struct Rig {
    test_support::TempDir dir;
    App app{dir.path()};
    Rig() { app.start(); }
    AppState& s() { return app.state(); }
    void set_length(const std::string& text) {
        app.type("Text2", text);
        app.press("Command21");
    }
};

}  // namespace

TEST(MoveLength, SetTotalFramesRecreatesEveryTable) {
    Rig r;
    r.s().engine.curpos[0] = 9;
    r.app.type("Text1", "10");
    r.app.press("Command3");
    r.set_length("250");
    const MoveModel& m = r.s().move;
    EXPECT_EQ(m.totalframes, 250);
    EXPECT_EQ(m.rows(), 250);
    EXPECT_EQ(static_cast<int>(m.kfframe[4].size()), 250);
    EXPECT_EQ(static_cast<int>(m.bzpos[4].size()), 250);
    EXPECT_EQ(m.keyframe_count(), 0);
    EXPECT_EQ(r.app.panel().text("keyframes"), "0");
    EXPECT_EQ(r.app.panel().text("Text4"), "");
    EXPECT_EQ(r.s().graph.divisions_per_label, 25);
    EXPECT_EQ(r.s().graph.series[0].size(), 250u);
}

TEST(MoveLength, LengthIsRoundedDownAndLabelsRoundHalfToEven) {
    Rig r;
    r.set_length("99.9");
    EXPECT_EQ(r.s().move.totalframes, 99);
    EXPECT_EQ(r.s().graph.divisions_per_label, 10);
    EXPECT_EQ(divisions_per_label(25), 2);
    EXPECT_EQ(divisions_per_label(35), 4);
    EXPECT_EQ(divisions_per_label(5), 0);
}

TEST(MoveLength, BelowOneBecomesOneAndKeepsTheTables) {
    for (const char* bad : {"0", "-4", "abc"}) {
        Rig r;
        r.set_length(bad);
        EXPECT_EQ(r.s().move.totalframes, 1) << bad;
        EXPECT_EQ(r.app.panel().text("Text2"), "1") << bad;
        EXPECT_EQ(r.s().move.rows(), 1500) << bad;
    }
}

TEST(MoveLength, TooLongIsRefusedAndTheMoveKept) {
    for (const char* bad : {"32767", "70000", "1e400"}) {
        Rig r;
        r.app.type("Text1", "10");
        r.app.press("Command3");
        r.set_length(bad);
        EXPECT_EQ(r.s().notices.status, move_msg::length_too_long(1500)) << bad;
        EXPECT_EQ(r.s().move.totalframes, 1500) << bad;
        EXPECT_EQ(r.s().move.keyframe_count(), 1) << bad;
        EXPECT_EQ(r.app.panel().text("Text2"), "1500") << bad;
    }
    Rig r;
    r.set_length("32766");
    EXPECT_EQ(r.s().move.totalframes, 32766);
}

TEST(MoveLength, EnterAppliesWithoutClearingListsOrCorrections) {
    Rig r;
    for (const char* f : {"10", "20", "30"}) {
        r.app.type("Text1", f);
        r.app.press("Command3");
    }
    r.s().move.kfcorr[0][0] = 5;
    r.app.type("Text2", "400");
    EXPECT_TRUE(r.app.key_down("Text2", 13));
    EXPECT_FALSE(r.app.key_down("Text2", 65));
    EXPECT_EQ(r.s().move.totalframes, 400);
    EXPECT_EQ(r.s().move.keyframe_count(), 0);
    EXPECT_EQ(r.app.panel().text("keyframes"), "0");
    EXPECT_EQ(r.app.panel().text("Text4"), "10\r\n20\r\n30\r\n");
    EXPECT_EQ(r.s().move.kfcorr[0][0], 5);
}

TEST(MoveLength, TypingALengthSwitchesFkeysOff) {
    Rig r;
    r.app.panel().set_text("enable", "F keys enabled");
    r.app.type("Text2", "12");
    EXPECT_EQ(r.app.panel().text("enable"), "F keys disabled");
    EXPECT_EQ(r.app.panel().at("enable").colour, colour::red);
}
