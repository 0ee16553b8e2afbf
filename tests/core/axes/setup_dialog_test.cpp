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

TEST(SetupDialog, OpensFilledSaveAndExitAppliesOnTheNextStepAndExitChangesNothing) {
    Dialog d;
    d.engine().curpos[4] = 321;
    d.app.press("Setup");
    EXPECT_EQ(d.form().text("speedh"), "17");
    EXPECT_EQ(d.form().text("maxHt"), "50000");
    EXPECT_EQ(d.form().text("Text5"), "321");  // where axis E stands
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
    d.form().set_text("maxHt", "101.5");
    d.form().set_text("speedg", "7.5");
    d.form().set_text("posF", "40");
    d.form().set_text("posE", "2.5");
    d.save_and_exit();
    const AxisSettings& ax = d.state().axes;
    EXPECT_EQ(ax.acc[7], 8);
    EXPECT_EQ(ax.mSpeed[7], 6);
    EXPECT_EQ(ax.max[7], 102);
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

    // Every box takes one number, within what the rig and stats.ini can hold.
    const std::pair<std::pair<const char*, const char*>, std::string> refused[] = {
        {{"posB", "0"}, "axis B pulses/unit"},
        {{"SpdH", "40000"}, "axis H max speed 40000 is outside 1..32767"},
        {{"SpdA", "2147483648"}, "axis A max speed 2147483648 is outside 1..32767"},
        {{"speedg", "32768"}, "axis G acceleration 32768 is outside 1..32767"},
        {{"SpeedC", "0"}, "axis C acceleration 0"},  // a ramp would never arrive
        {{"SpdB", "0.5"}, "axis B max speed 0.5 is outside 1..32767"},
        {{"minCt", ""}, axes_msg::not_a_number(2, "min pos", "")},
        {{"maxDt", "NaN"}, axes_msg::not_a_number(3, "max pos", "NaN")},
        {{"maxDt", "1e309"}, axes_msg::not_a_number(3, "max pos", "1e309")},
        {{"minEt", "-5 mm"}, axes_msg::not_a_number(4, "min pos", "-5 mm")},
        {{"SpdA", "fast"}, axes_msg::not_a_number(0, "max speed", "fast")},
        {{"minAt", "500"}, axes_msg::min_above_max(0, 500, -500)},
    };
    d.form().set_text("maxAt", "-500");
    d.form().set_text("maxBt", "8388607");
    for (const auto& [typed, reason] : refused) {
        const std::string kept = d.form().text(typed.first);
        d.form().set_text(typed.first, typed.second);
        d.save_and_exit();
        EXPECT_NE(s.notices.status.find(reason), std::string::npos) << s.notices.status;
        EXPECT_EQ(s.axes.mSpeed[0], 101) << reason;
        d.form().set_text(typed.first, kept);
    }
    d.form().set_text("maxAt", "50000");
    d.form().set_text("minHt", "-8388608");
    d.save_and_exit();
    EXPECT_EQ(s.axes.max[1], 8388607);
    EXPECT_EQ(s.axes.min[7], -8388608);
    EXPECT_EQ(s.axes.mSpeed[0], 300);
}

TEST(SetupDialog, AMaximumSpeedBelowTheFSpeedIsRefusedAndUnusedFieldsTakeNoInput) {
    Dialog d;
    d.state().axes.FSpeed[1] = 80;
    d.form().set_text("SpdB", "50");
    d.save_and_exit();
    EXPECT_EQ(d.status(), axes_msg::apply_refused(axes_msg::out_of_range(1, "F speed", 80, "0..50")));
    EXPECT_EQ(d.state().axes.mSpeed[1], 102);

    for (const char* unused : {"posF", "posG", "posH", "Text1", "Text8"})
        EXPECT_FALSE(d.form().at(unused).enabled) << unused;
    EXPECT_TRUE(d.form().at("posE").enabled);
}

TEST(SetupDialog, TogglesAndTheShowValuesButton) {
    Dialog d;
    Panel& f = d.form();
    f.press("revCx");
    EXPECT_TRUE(d.state().axes.rev[2]);
    EXPECT_EQ(f.at("revCx").colour, colour::green);
    f.press("revCx");
    EXPECT_FALSE(d.state().axes.rev[2]);

    d.app.press("Command9");
    EXPECT_TRUE(d.state().axes.ena[2]);
    EXPECT_EQ(d.colour("Command9"), colour::green);

    f.set_text("minAt", "5");
    f.press("Command29");
    EXPECT_EQ(f.text("minAt"), "-50000");
}
