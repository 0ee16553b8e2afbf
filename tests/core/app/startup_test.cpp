#include <gtest/gtest.h>

#include "started_app.h"

using namespace kestrova;
using test_support::StartedApp;

TEST(StartUp, LeavesAnEmptyMoveOf1500FramesOffLineWithTheKeysDisabled) {
    StartedApp s;
    const MoveModel& m = s.move();
    EXPECT_EQ(m.totalframes, 1500);
    EXPECT_EQ(m.rows(), 1500);
    EXPECT_EQ(m.nextkf, 1);
    EXPECT_EQ(m.curframe, 1);
    for (int f = 1; f <= 1500; ++f)
        for (int a = 0; a < move_axes; ++a) ASSERT_EQ(m.movepos.at(f, a), 0.0);
    EXPECT_EQ(s.text("Text2"), "1500");
    for (const char* list : {"keyframes", "Text4", "Text16"}) EXPECT_EQ(s.text(list), "0");
    EXPECT_TRUE(s.state().link.commsoff);
    EXPECT_EQ(s.text("enable"), "F keys disabled");
    EXPECT_EQ(s.text("Text9"), "Tilt");  // the axis names of the setup
    EXPECT_FALSE(s.panel().at("warning").visible);
    EXPECT_FALSE(s.panel().at("Dir1").visible);
}

TEST(SmallVersion, StartsMatchingTheLongFormAndToggles) {
    StartedApp s;
    for (bool small : {false, true, false}) {
        EXPECT_EQ(s.state().link.smallversionbit, small);
        EXPECT_EQ(s.text("smallversion"), small ? "Small" : "Large");
        EXPECT_EQ(s.colour("smallversion"), small ? colour::green : colour::red);
        s.app.press("smallversion");
    }
}

TEST(HelpAndExit, HelpShowsInstructionsAndExitAsksTheWindowToClose) {
    StartedApp s;
    Panel& help = s.state().form2;
    EXPECT_FALSE(help.at("Form2").visible);
    s.app.press("help");
    EXPECT_TRUE(help.at("Form2").visible);
    EXPECT_NE(help.text("Text1").find("F1 / F2"), std::string::npos);
    help.press("Command1");
    EXPECT_FALSE(help.at("Form2").visible);

    EXPECT_FALSE(s.app.quit_requested());
    s.app.press("exitmenu");
    EXPECT_TRUE(s.app.quit_requested());
}
