#include "motion/goto_commands.h"
#include "motion/messages.h"
#include "rig.h"

using namespace kestrova;
using test_support::Rig;

namespace {

void expect_frame_move_started(Rig& r, double target) {
    EXPECT_TRUE(r.e().gotoactive);
    EXPECT_EQ(r.e().gotophase, 1);
    EXPECT_EQ(r.e().gototarget, target);
    for (bool a : r.e().atspeed) EXPECT_FALSE(a);
}

}  // namespace

TEST(Step, AtTheEndsOfTheMoveDoesNothing) {
    Rig r;
    r.app.type("gotoFN", "1500");
    r.app.press("Step");
    EXPECT_FALSE(r.e().gotoactive);
    EXPECT_EQ(r.text("gotoFN"), "1500");
    EXPECT_EQ(r.status(), motion_msg::at_last_frame);

    r.app.type("gotoFN", "1");
    r.app.press("stepB");
    EXPECT_FALSE(r.e().gotoactive);
    EXPECT_EQ(r.text("gotoFN"), "1");
    EXPECT_EQ(r.status(), motion_msg::at_first_frame);
}

TEST(Step, FromFrameFiveGoesToSixAndShowsPageZero) {
    Rig r;
    r.e().jog = {4, 4, 4, 4, 4, 4, 4, 4};
    r.e().atspeed.fill(true);
    r.app.type("gotoFN", "5");
    r.app.press("Step");
    EXPECT_EQ(r.text("gotoFN"), "6");
    EXPECT_EQ(r.text("Text18"), "6");
    EXPECT_EQ(r.text("Text17"), "0");
    EXPECT_EQ(r.text("Text12"), "0");
    expect_frame_move_started(r, 6);
    for (int a = 0; a < move_axes; ++a) EXPECT_EQ(r.e().jog[a], 0);
    EXPECT_EQ(r.text("enable"), "F keys disabled");

    r.app.press("stepB");
    r.app.press("stepB");
    EXPECT_EQ(r.text("gotoFN"), "4");
    EXPECT_EQ(r.e().gototarget, 4);
}

TEST(Step, RefusesASubFrameBoxHoldingNoNumber) {
    for (const char* bad : {"", "5x", "abc"}) {
        Rig r;
        r.app.type("gotoFN", bad);
        r.app.press("Step");
        EXPECT_FALSE(r.e().gotoactive) << bad;
        EXPECT_EQ(r.text("gotoFN"), "1");
        EXPECT_EQ(r.status(), motion_msg::not_a_number(motion_msg::sub_frame_box, "1"));
    }
}

TEST(GoToSubFrame, TakesFrameOneForZeroAndRefusesFramesOutsideTheMove) {
    Rig r;
    r.app.type("gotoFN", "-4");
    r.app.press("Command14");
    expect_frame_move_started(r, 1);
    EXPECT_EQ(r.text("gotoFN"), "1");

    Rig beyond;
    beyond.app.type("gotoFN", "1501");
    beyond.app.press("Command14");
    EXPECT_FALSE(beyond.e().gotoactive);
    EXPECT_EQ(beyond.status(), motion_msg::no_such_frame(1501, 1500));
}

TEST(GoToFrame, ClampsToTheMoveAndRefusesWhatIsNoFrame) {
    Rig r;
    r.app.type("Text18", "1200");
    r.s().move.totalframes = 1000;  // the move was shortened after the box was filled
    r.app.press("Command15");
    EXPECT_EQ(r.text("Text18"), "1000");
    EXPECT_EQ(r.text("gotoFN"), "1000");
    expect_frame_move_started(r, 1000);

    for (const char* bad : {"5x", "0.5"}) {
        Rig b;
        b.app.type("Text18", bad);
        b.app.press("Command15");
        EXPECT_FALSE(b.e().gotoactive) << bad;
    }
}

TEST(GoToEnd, GoesToTheLastFrame) {
    Rig r;
    r.app.press("gotoend");
    EXPECT_EQ(r.text("Text18"), "1500");
    expect_frame_move_started(r, 1500);
}

TEST(GoToPage, ClampsThePageAndGoesToItsFirstFrame) {
    Rig r;
    r.resize_move(20000);
    r.app.type("Text12", "2000");
    r.app.press("gotoFrame");
    EXPECT_EQ(r.text("Text12"), "1062");
    EXPECT_EQ(r.text("gotoFN"), "18993");
    expect_frame_move_started(r, 1062 * 16 + 2001);

    Rig three;
    three.resize_move(3000);
    three.app.type("Text12", "3");
    three.app.press("gotoFrame");
    expect_frame_move_started(three, 2049);
}

TEST(GoToPage, RefusesAPageBeyondTheMoveAndABoxHoldingNoNumber) {
    Rig r;
    r.app.type("Text12", "3");
    r.app.press("gotoFrame");
    EXPECT_FALSE(r.e().gotoactive);
    EXPECT_EQ(r.status(), motion_msg::no_such_frame(2049, 1500));

    r.app.type("Text12", "");
    r.app.press("gotoFrame");
    EXPECT_FALSE(r.e().gotoactive);
    EXPECT_EQ(r.text("Text12"), "0");
    EXPECT_EQ(r.status(), motion_msg::not_a_number(motion_msg::page_box, "0"));
}

TEST(PageBox, NeverChangesTheMoveLengthButDisablesTheFKeys) {
    Rig r;
    r.resize_move(300);
    r.app.press("enFkeys");
    r.app.type("Text12", "7");
    EXPECT_EQ(r.s().move.totalframes, 300);
    EXPECT_EQ(r.s().move.rows(), 300);
    EXPECT_EQ(r.text("enable"), "F keys disabled");
}

TEST(FrameBox, KeepsFramesOfTheMoveOnly) {
    Rig r;
    for (const char* bad : {"0", "1501", "-3", ""}) {
        r.app.type("Text18", "9");
        r.app.type("Text18", bad);
        EXPECT_EQ(r.text("Text18"), "1") << bad;
    }
    r.app.type("Text18", "1500");
    EXPECT_EQ(r.text("Text18"), "1500");
}

TEST(GoToPosition, StartsOnlyFromTenPulsesAwayAndClearsTheRampState) {
    Rig r;
    r.e().curpos[1] = 100;
    r.p().set_text("posB", "109.9");
    r.e().atspeed.fill(true);
    r.app.press("gotopos");
    EXPECT_FALSE(r.e().posmoving);
    EXPECT_FALSE(r.e().entrytarget);
    EXPECT_EQ(r.e().gotophase, 0);
    for (bool a : r.e().atspeed) EXPECT_FALSE(a);
    EXPECT_EQ(r.status(), motion_msg::nothing_to_position);

    r.p().set_text("posB", "110");
    r.app.press("gotopos");
    EXPECT_TRUE(r.e().posmoving);
    EXPECT_TRUE(r.e().entrytarget);
    EXPECT_EQ(r.e().gotophase, 1);
    EXPECT_EQ(r.e().target[1], 110);
}

TEST(GoToPosition, KeepsTheGoalsInsideTheLimits) {
    Rig r;
    r.s().axes.min[0] = -100;
    r.p().set_text("posA", "-100.5");  // passes the box rule, lies outside the limit
    r.app.press("gotopos");
    EXPECT_EQ(r.e().target[0], -100);
}

TEST(GoToPosition, ReadsThePositionBoxesInUnits) {
    Rig r;
    r.s().axes.pp_rev[0] = 4;
    r.p().set_text("posA", "25");
    r.app.press("gotopos");
    EXPECT_EQ(r.e().target[0], 100);
}

TEST(Positioning, EachCommandGoesToItsOwnKindOfGoal) {
    Rig r;
    r.p().set_text("posA", "500");
    r.app.press("gotopos");
    r.app.press("Command1");  // go to zero replaces the typed goals
    EXPECT_TRUE(r.e().hometarget);
    EXPECT_FALSE(r.e().entrytarget);
    EXPECT_EQ(r.text("Text18"), "1");
    EXPECT_EQ(r.p().at("HScroll1").value, 1);

    r.app.type("Text1", "9");
    r.app.press("gotostart");
    EXPECT_TRUE(r.e().posmoving);
    EXPECT_FALSE(r.e().hometarget);
    EXPECT_FALSE(r.e().entrytarget);
    EXPECT_EQ(r.text("gotoFN"), "1");
    EXPECT_EQ(r.s().move.curframe, 1);
}

TEST(ZeroAll, NeedsTwoPressesAndStopInBetweenCancels) {
    Rig r;
    r.e().curpos = {5, 6, 7, 8, 9, 10, 0, 0};
    r.p().set_text("posA", "5");
    r.app.press("zeroall");
    EXPECT_EQ(r.text("zeroall"), "confirm");
    EXPECT_EQ(r.e().curpos[0], 5);
    r.app.press("Stop");
    r.app.press("zeroall");
    EXPECT_EQ(r.e().curpos[0], 5);
    EXPECT_FALSE(r.e().resetreq);

    r.app.press("zeroall");
    for (int a = 0; a < move_axes; ++a) EXPECT_EQ(r.e().curpos[a], 0);
    EXPECT_EQ(r.e().curpos[5], 10);  // axis F is not a move axis
    EXPECT_TRUE(r.e().resetreq);
    EXPECT_EQ(r.text("posA"), "0");
    EXPECT_EQ(r.text("zeroall"), "Zero All Axies");
}
