#include <gtest/gtest.h>

#include "axes/messages.h"
#include "started_app.h"

using namespace kestrova;

namespace {

struct Dialog : test_support::StartedApp {
    Dialog() { app.press("Setup"); }
    Panel& form() { return state().form1; }
    // "save and exit setup", then the engine's next step applies it.
    void save_and_exit() {
        form().press("Command5");
        app.tick();
    }
};

}  // namespace

TEST(SetupDialog, OpensFilledFromTheSettings) {
    Dialog d;
    d.engine().curpos[4] = 321;
    d.app.press("Setup");
    Panel& f = d.form();
    EXPECT_TRUE(f.at("Form1").visible);
    EXPECT_EQ(f.text("SpdA"), "101");
    EXPECT_EQ(f.text("speedh"), "17");
    EXPECT_EQ(f.text("minAt"), "-50000");
    EXPECT_EQ(f.text("maxHt"), "50000");
    EXPECT_EQ(f.text("posC"), "1");
    EXPECT_EQ(f.text("Text5"), "321");
}

TEST(SetupDialog, SaveAndExitAppliesOnTheNextStepAndExitChangesNothing) {
    Dialog d;
    d.form().set_text("SpdD", "250");
    d.form().press("Command5");
    EXPECT_FALSE(d.form().at("Form1").visible);
    EXPECT_EQ(d.state().axes.mSpeed[3], 104);  // not before the step
    d.app.tick();
    EXPECT_EQ(d.state().axes.mSpeed[3], 250);

    d.app.press("Setup");
    d.form().set_text("SpdA", "999");
    d.form().press("Command28");
    d.app.tick();
    EXPECT_FALSE(d.form().at("Form1").visible);
    EXPECT_EQ(d.state().axes.mSpeed[0], 101);
    d.app.press("Setup");
    EXPECT_EQ(d.form().text("SpdA"), "101");
}

TEST(SetupDialog, AxisHWholeNumbersRoundHalfToEvenAndPulsesPerUnitStopAtE) {
    Dialog d;
    d.form().set_text("speedh", "7.5");
    d.form().set_text("SpdH", "6.5");
    d.form().set_text("maxHt", "100.5");
    d.form().set_text("speedg", "7.5");
    d.form().set_text("posF", "40");
    d.form().set_text("posE", "2.5");
    d.save_and_exit();
    const AxisSettings& ax = d.state().axes;
    EXPECT_EQ(ax.acc[7], 8);
    EXPECT_EQ(ax.mSpeed[7], 6);
    EXPECT_EQ(ax.max[7], 100);
    EXPECT_EQ(ax.acc[6], 7.5);  // axis G keeps the fraction
    EXPECT_EQ(ax.pp_rev[5], 1);
    EXPECT_EQ(ax.pp_rev[4], 2.5);
}

TEST(SetupDialog, RefusesValuesItCannotHoldAndKeepsTheTypedValues) {
    Dialog d;
    const AppState& s = d.state();
    d.form().set_text("SpdA", "300");
    d.form().set_text("maxBt", "8388608");
    d.save_and_exit();
    EXPECT_EQ(s.notices.status,
              axes_msg::apply_refused(axes_msg::out_of_range(1, "max pos", 8388608, "-8388608..8388607")));
    EXPECT_EQ(s.axes.mSpeed[0], 101);
    EXPECT_EQ(s.axes.max[1], 50000);
    EXPECT_TRUE(d.form().at("Form1").visible);
    EXPECT_EQ(d.form().text("maxBt"), "8388608");

    const std::pair<std::pair<const char*, const char*>, const char*> refused[] = {
        {{"posB", "0"}, "axis B pulses/unit"},
        {{"SpdH", "40000"}, "axis H max speed 40000"},
        {{"SpeedC", "0"}, "axis C acceleration 0"},  // a ramp would never arrive
    };
    d.form().set_text("maxBt", "8388607");
    for (const auto& [typed, reason] : refused) {
        const std::string kept = d.form().text(typed.first);
        d.form().set_text(typed.first, typed.second);
        d.save_and_exit();
        EXPECT_NE(s.notices.status.find(reason), std::string::npos) << s.notices.status;
        EXPECT_EQ(s.axes.mSpeed[0], 101) << reason;
        d.form().set_text(typed.first, kept);
    }
    d.form().set_text("minHt", "-8388608");
    d.save_and_exit();
    EXPECT_EQ(s.axes.max[1], 8388607);
    EXPECT_EQ(s.axes.min[7], -8388608);
    EXPECT_EQ(s.axes.mSpeed[0], 300);
}

TEST(SetupDialog, TogglesAndTheShowValuesButton) {
    Dialog d;
    Panel& f = d.form();
    f.press("revCx");
    EXPECT_TRUE(d.state().axes.rev[2]);
    EXPECT_EQ(f.at("revCx").colour, colour::green);
    f.press("revCx");
    EXPECT_FALSE(d.state().axes.rev[2]);
    EXPECT_EQ(f.at("revCx").colour, colour::red);

    d.app.press("Command9");
    EXPECT_TRUE(d.state().axes.ena[2]);
    EXPECT_EQ(d.colour("Command9"), colour::green);

    f.set_text("minAt", "5");
    f.press("Command29");
    EXPECT_EQ(f.text("minAt"), "-50000");
}
