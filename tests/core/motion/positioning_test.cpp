#include "motion/messages.h"
#include "rig.h"

using namespace kestrova;
using test_support::Rig;

namespace {

void long_move(Rig& r, int frames) {
    r.s().move.create_tables(frames);
    r.s().move.totalframes = frames;
}

}  // namespace

TEST(Step, AtTheEndsOfTheMoveDoesNothing) {
    Rig r;
    r.app.type("gotoFN", "1500");
    r.app.press("Step");
    r.app.type("gotoFN", "1");
    r.app.press("stepB");
    EXPECT_FALSE(r.e().gotoactive);
    EXPECT_EQ(r.text("gotoFN"), "1");
    EXPECT_EQ(r.status(), motion_msg::at_first_frame);
}

TEST(Step, FromFrameFiveGoesToSixAndShowsPageZero) {
    Rig r;
    r.e().jog.fill(4);
    r.app.type("gotoFN", "5");
    r.app.press("Step");
    EXPECT_EQ(r.text("gotoFN"), "6");
    EXPECT_EQ(r.text("Text18"), "6");
    EXPECT_EQ(r.text("Text17"), "0");
    EXPECT_EQ(r.text("Text12"), "0");
    EXPECT_EQ(r.e().gototarget, 6);
    EXPECT_TRUE(r.e().gotoactive);
    EXPECT_EQ(r.e().gotophase, 1);
    EXPECT_EQ(r.e().jog[4], 0);
}

TEST(Step, RefusesASubFrameBoxHoldingNoNumber) {
    Rig r;
    r.app.type("gotoFN", "");
    r.app.press("Step");
    EXPECT_FALSE(r.e().gotoactive);
    EXPECT_EQ(r.text("gotoFN"), "1");
    EXPECT_EQ(r.status(), motion_msg::not_a_number(motion_msg::sub_frame_box, "1"));
}

TEST(GoToPage, ClampsThePageAndGoesToItsFirstFrame) {
    Rig r;
    long_move(r, 20000);
    r.app.type("Text12", "2000");
    r.app.press("gotoFrame");
    EXPECT_EQ(r.text("Text12"), "1062");
    EXPECT_EQ(r.e().gototarget, 18993);

    r.app.type("Text12", "3");
    r.app.press("gotoFrame");
    EXPECT_EQ(r.e().gototarget, 2049);
    EXPECT_EQ(r.text("gotoFN"), "2049");
}

TEST(GoToPage, RefusesAFrameWithoutATableRow) {
    Rig r;
    r.app.type("Text12", "3");
    r.app.press("gotoFrame");
    EXPECT_FALSE(r.e().gotoactive);
    EXPECT_EQ(r.status(), motion_msg::no_such_frame(2049, 1500));

    r.app.type("gotoFN", "1501");
    r.app.press("Command14");
    EXPECT_FALSE(r.e().gotoactive);
}

TEST(PageBox, NeverChangesTheMoveLength) {
    Rig r;
    long_move(r, 300);
    r.app.press("enFkeys");
    r.app.type("Text12", "7");
    EXPECT_EQ(r.s().move.totalframes, 300);
    EXPECT_EQ(r.text("enable"), "F keys disabled");
}

TEST(FrameBox, KeepsFramesOfTheMoveOnly) {
    Rig r;
    for (const char* bad : {"0", "1501", ""}) {
        r.app.type("Text18", "9");
        r.app.type("Text18", bad);
        EXPECT_EQ(r.text("Text18"), "1") << bad;
    }
    r.app.type("Text18", "1500");
    EXPECT_EQ(r.text("Text18"), "1500");
}

TEST(GoToPosition, StartsOnlyFromTenPulsesAway) {
    Rig r;
    r.e().curpos[1] = 100;
    r.app.type("posB", "109.9");
    r.e().atspeed.fill(true);
    r.app.press("gotopos");
    EXPECT_FALSE(r.e().posmoving || r.e().entrytarget);
    EXPECT_FALSE(r.e().atspeed[7]);
    EXPECT_EQ(r.status(), motion_msg::nothing_to_position);

    r.app.type("posB", "110");
    r.app.press("gotopos");
    EXPECT_TRUE(r.e().posmoving && r.e().entrytarget);
    EXPECT_EQ(r.e().target[1], 110);
}

TEST(ZeroAll, NeedsTwoPressesAndStopInBetweenCancels) {
    Rig r;
    r.e().curpos = {5, 6, 7, 8, 9, 10, 0, 0};
    r.app.press("zeroall");
    EXPECT_EQ(r.text("zeroall"), "confirm");
    r.app.press("Stop");
    r.app.press("zeroall");
    EXPECT_EQ(r.e().curpos[0], 5);
    EXPECT_FALSE(r.e().resetreq);

    r.app.press("zeroall");
    EXPECT_EQ(r.e().curpos[4], 0);
    EXPECT_EQ(r.e().curpos[5], 10);  // axis F is not a move axis
    EXPECT_TRUE(r.e().resetreq);
}
