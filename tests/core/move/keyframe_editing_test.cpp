#include <gtest/gtest.h>

#include "move/keyframe_editing.h"
#include "move/messages.h"
#include "shell/app.h"
#include "temp_dir.h"

using namespace kestrova;

namespace {

struct Rig {
    test_support::TempDir dir;
    App app{dir.path()};
    Rig() { app.start(); }
    AppState& s() { return app.state(); }
    const std::string& text(const char* name) { return app.panel().text(name); }
    void pose(double a, double b = 0, double c = 0, double d = 0, double e = 0) {
        s().engine.curpos[0] = a;
        s().engine.curpos[1] = b;
        s().engine.curpos[2] = c;
        s().engine.curpos[3] = d;
        s().engine.curpos[4] = e;
    }
    void add_at(const std::string& frame) {
        app.type("Text1", frame);
        app.press("Command3");
    }
    void del_at(const std::string& frame) {
        app.type("Text1", frame);
        app.press("delKF");
    }
    std::vector<int> frames() {
        std::vector<int> out;
        for (int k = 1; k <= s().move.keyframe_count(); ++k) out.push_back(s().move.frame_of(0, k));
        return out;
    }
};

}  // namespace

TEST(KeyframeEditing, FirstKeyframeRampsFromZeroAndIsListed) {
    Rig r;
    r.pose(10, 20, 30, 40, 50);
    r.add_at("100");
    const MoveModel& m = r.s().move;
    for (int f = 1; f <= 100; ++f) EXPECT_DOUBLE_EQ(m.movepos.at(f, 0), 10.0 * f / 100) << f;
    EXPECT_DOUBLE_EQ(m.movepos.at(100, 4), 50);
    EXPECT_DOUBLE_EQ(m.movepos.at(101, 0), 0);
    EXPECT_EQ(r.text("keyframes"), "1");
    EXPECT_EQ(r.text("Text4"), "100\r\n");
    EXPECT_EQ(r.text("Text5"), "10\r\n");
    EXPECT_EQ(r.text("Text16"), "50\r\n");
    EXPECT_EQ(r.text("enable"), "F keys disabled");
}

TEST(KeyframeEditing, InsertsInFrameOrderAndInFrontOfAnEqualFrame) {
    Rig r;
    r.pose(1);
    r.add_at("100");
    r.pose(2);
    r.add_at("200");
    r.pose(3);
    r.add_at("150");
    EXPECT_EQ(r.frames(), (std::vector<int>{100, 150, 200}));
    EXPECT_EQ(r.text("keyframes"), "3");
    r.pose(4);
    r.add_at("150");
    EXPECT_EQ(r.frames(), (std::vector<int>{100, 150, 150, 200}));
    EXPECT_EQ(r.s().move.pos_of(0, 2), 4);  // the later add stands first
    EXPECT_EQ(r.s().move.pos_of(0, 3), 3);
    EXPECT_EQ(r.text("Text5"), "1\r\n4\r\n3\r\n2\r\n");
}

TEST(KeyframeEditing, StoresPositionsAndFramesRoundedHalfToEven) {
    Rig r;
    r.pose(12.5, 13.5);
    r.add_at("0.4");  // above 0, so accepted, and stored as frame 0
    EXPECT_EQ(r.s().move.frame_of(0, 1), 0);
    EXPECT_EQ(r.s().move.pos_of(0, 1), 12);
    EXPECT_EQ(r.s().move.pos_of(1, 1), 14);
}

TEST(KeyframeEditing, EnteredFrameOutOfRangeResetsTheBoxOnly) {
    Rig r;
    for (const char* bad : {"0", "-5", "abc", "1501"}) {
        r.s().move.curframe = 7;
        r.add_at(bad);
        EXPECT_EQ(r.text("Text1"), "1") << bad;
        EXPECT_EQ(r.s().move.keyframe_count(), 0) << bad;
        EXPECT_EQ(r.s().move.curframe, 7) << bad;
        r.del_at(bad);
        EXPECT_EQ(r.s().move.curframe, 1) << bad;
    }
}

TEST(KeyframeEditing, FractionJustPastTheEndIsClampedToTheLastFrame) {
    Rig r;
    r.add_at("1500.5");
    EXPECT_EQ(r.text("Text1"), "1500");
    EXPECT_EQ(r.s().move.curframe, 1500);
    EXPECT_EQ(r.frames(), std::vector<int>{1500});
}

TEST(KeyframeEditing, DeleteRemovesTheFirstMatchAndListsStartWithZero) {
    Rig r;
    r.pose(10);
    r.add_at("50");
    r.pose(20);
    r.add_at("100");
    r.del_at("50");
    EXPECT_EQ(r.frames(), std::vector<int>{100});
    EXPECT_EQ(r.text("keyframes"), "1");
    EXPECT_EQ(r.text("Text4"), "0\r\n100\r\n");
    EXPECT_EQ(r.text("Text5"), "0\r\n20\r\n");
    EXPECT_DOUBLE_EQ(r.s().move.movepos.at(50, 0), 10);  // recalculated: the ramp to 20 at 100
}

TEST(KeyframeEditing, DeleteWithoutMatchRecalculatesLinearly) {
    Rig r;
    r.pose(100);
    r.add_at("10");
    r.s().move.movepos.at(5, 0) = 999;  // as if shaped
    r.del_at("10.5");                   // a fraction never matches
    EXPECT_EQ(r.s().move.keyframe_count(), 1);
    EXPECT_DOUBLE_EQ(r.s().move.movepos.at(5, 0), 50);
    EXPECT_EQ(r.text("Text4"), "0\r\n10\r\n");
}

TEST(KeyframeEditing, DeletingTheOnlyKeyframeZeroesFrameOneOnly) {
    Rig r;
    r.pose(100);
    r.add_at("10");
    r.del_at("10");
    const MoveModel& m = r.s().move;
    EXPECT_EQ(r.text("keyframes"), "0");
    EXPECT_DOUBLE_EQ(m.movepos.at(1, 0), 0);
    EXPECT_DOUBLE_EQ(m.movepos.at(5, 0), 50);
    EXPECT_EQ(r.text("Text4"), "0\r\n");
}

TEST(KeyframeEditing, FullTableRefusesWithAMessage) {
    Rig r;
    r.app.type("Text2", "3");
    r.app.press("Command21");
    for (const char* f : {"1", "2", "3"}) r.add_at(f);
    const auto before = r.s().move.movepos.at(3, 0);
    r.add_at("2");
    EXPECT_EQ(r.s().notices.status, move_msg::table_full(3));
    EXPECT_EQ(r.frames(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(r.s().move.movepos.at(3, 0), before);
}

TEST(KeyframeEditing, ClearMoveEmptiesTableListsAndMoveButKeepsLength) {
    Rig r;
    r.pose(5);
    r.add_at("10");
    r.s().move.kfcorr[2][255] = 3;
    r.s().move.kfcorr[2][256] = 4;
    r.app.press("Command7");
    const MoveModel& m = r.s().move;
    EXPECT_EQ(m.keyframe_count(), 0);
    EXPECT_EQ(r.text("keyframes"), "0");
    EXPECT_EQ(r.text("Text4"), "");
    EXPECT_EQ(r.text("Text16"), "");
    EXPECT_DOUBLE_EQ(m.movepos.at(5, 0), 0);
    EXPECT_EQ(m.kfcorr[2][255], 0);
    EXPECT_EQ(m.kfcorr[2][256], 4);  // only rows 1..256 are cleared
    EXPECT_EQ(m.totalframes, 1500);
    EXPECT_EQ(r.text("Text2"), "1500");
    r.add_at("20");
    EXPECT_EQ(r.frames(), std::vector<int>{20});
}

TEST(KeyframeEditing, RecalcWithoutKeyframesChangesNothingButTheFkeyBox) {
    Rig r;
    r.s().move.movepos.at(3, 2) = 42;
    const unsigned revision = r.s().graph.revision;
    r.app.press("recal");
    EXPECT_EQ(r.s().move.movepos.at(3, 2), 42);
    EXPECT_EQ(r.s().graph.revision, revision);
    EXPECT_EQ(r.app.panel().at("enable").colour, colour::light_red);
}
