#include <gtest/gtest.h>

#include "shell/app.h"
#include "temp_dir.h"

using namespace kestrova;

namespace {

struct Started {
    test_support::TempDir dir;
    App app{dir.path()};
    Started() { app.start(); }
};

}  // namespace

TEST(StartUp, LeavesTheMoveEmptyAt1500Frames) {
    Started s;
    const AppState& st = s.app.state();
    EXPECT_EQ(st.move.totalframes, 1500);
    EXPECT_EQ(st.move.rows(), 1500);
    EXPECT_EQ(st.move.nextkf, 1);
    EXPECT_EQ(st.move.curframe, 1);
    for (int f = 1; f <= 1500; ++f)
        for (int a = 0; a < move_axes; ++a) ASSERT_EQ(st.move.movepos.at(f, a), 0.0);
    const Panel& p = st.panel;
    EXPECT_EQ(p.text("Text2"), "1500");
    EXPECT_EQ(p.text("keyframes"), "0");
    for (const char* list : {"Text4", "Text5", "Text13", "Text14", "Text15", "Text16"}) EXPECT_EQ(p.text(list), "0");
}

TEST(StartUp, GivesEveryAxisItsDefaults) {
    Started s;
    const AxisSettings& a = s.app.state().axes;
    EXPECT_EQ(a.acc[0], 10);
    EXPECT_EQ(a.mSpeed[0], 101);
    EXPECT_EQ(a.min[0], -50000);
    EXPECT_EQ(a.max[0], 50000);
    EXPECT_EQ(a.pp_rev[0], 1);
    EXPECT_EQ(a.acc[7], 17);
    EXPECT_EQ(a.mSpeed[7], 108);
    EXPECT_EQ(a.min[7], -50000);
    EXPECT_EQ(a.max[7], 50000);
    EXPECT_EQ(a.pp_rev[7], 1);
}

TEST(StartUp, ShowsTheStartColoursAndCaptions) {
    Started s;
    const AppState& st = s.app.state();
    const Panel& p = st.panel;
    for (int i = 0; i < 8; ++i) EXPECT_EQ(p.at("Command19_" + std::to_string(i)).colour, colour::green);
    EXPECT_EQ(p.at("Sound").colour, colour::red);
    EXPECT_EQ(p.text("enable"), "F keys disabled");
    EXPECT_EQ(p.at("enable").colour, colour::red);
    // The message-form button matches the long form in use.
    EXPECT_FALSE(st.engine.smallversionbit);
    EXPECT_EQ(p.text("smallversion"), "Large");
    EXPECT_EQ(p.at("smallversion").colour, colour::red);
    EXPECT_TRUE(st.engine.commsoff);
    EXPECT_EQ(p.text("Text9"), "Tilt");
    EXPECT_EQ(p.text("Text20"), "Lens2");
    EXPECT_FALSE(p.at("warning").visible);
    EXPECT_FALSE(p.at("Dir1").visible);
    EXPECT_EQ(p.text("Fname"), "");
}

TEST(SmallVersion, TogglesFlagColourAndCaption) {
    Started s;
    Panel& p = s.app.panel();
    s.app.press("smallversion");
    EXPECT_TRUE(s.app.state().engine.smallversionbit);
    EXPECT_EQ(p.text("smallversion"), "Small");
    EXPECT_EQ(p.at("smallversion").colour, colour::green);
    s.app.press("smallversion");
    EXPECT_FALSE(s.app.state().engine.smallversionbit);
    EXPECT_EQ(p.text("smallversion"), "Large");
    EXPECT_EQ(p.at("smallversion").colour, colour::red);
}

TEST(HelpWindow, ShowsInstructionsAndHidesAgain) {
    Started s;
    AppState& st = s.app.state();
    EXPECT_FALSE(st.form2.at("Form2").visible);
    s.app.press("help");
    EXPECT_TRUE(st.form2.at("Form2").visible);
    EXPECT_EQ(st.form2.text("Label1"), "Kestrova Instructions");
    EXPECT_NE(st.form2.text("Text1").find("F1 / F2"), std::string::npos);
    st.form2.press("Command1");
    EXPECT_FALSE(st.form2.at("Form2").visible);
}

TEST(Exit, AsksTheWindowToClose) {
    Started s;
    EXPECT_FALSE(s.app.quit_requested());
    s.app.press("exitmenu");
    EXPECT_TRUE(s.app.quit_requested());
}
