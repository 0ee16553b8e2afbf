#include <gtest/gtest.h>

#include <map>

#include "axes/controls.h"
#include "axes/kept_settings.h"
#include "axes/messages.h"
#include "started_app.h"

using namespace kestrova;

namespace {

struct Dialog : test_support::StartedApp {
    Dialog() { app.press(ctl::setup_menu); }
    Panel& form() { return setup_form(); }
    // "save and exit setup", then the engine's next step applies it.
    void save_and_exit() {
        form().press(ctl::setup_ok_button);
        app.tick();
    }
};

}  // namespace

TEST(SetupDialog, OpensFilledSaveAndExitAppliesOnTheNextStepAndWholeNumbersRoundHalfToEven) {
    Dialog d;
    d.engine().curpos[4] = 321;
    d.app.press(ctl::setup_menu);
    EXPECT_EQ(d.form().text(ctl::setup_acceleration_boxes[7]), "17");
    EXPECT_EQ(d.form().text(ctl::setup_position_boxes[4]), "321");  // where axis E stands
    d.form().set_text(ctl::setup_speed_boxes[3], "250");
    d.form().press(ctl::setup_ok_button);
    EXPECT_FALSE(d.form().at(ctl::setup_dialog).visible);
    EXPECT_EQ(d.axes().mSpeed[3], 104);  // not before the step
    d.app.tick();
    EXPECT_EQ(d.axes().mSpeed[3], 250);

    // Axis H's whole numbers round half to even; pulses per unit stop at E;
    // the names apply as if typed into the main window.
    d.app.press(ctl::setup_menu);
    d.form().set_text(ctl::setup_name_boxes[0], "Pan");
    d.form().set_text(ctl::setup_acceleration_boxes[7], "7.5");
    d.form().set_text(ctl::setup_speed_boxes[7], "6.5");
    d.form().set_text(ctl::setup_max_boxes[7], "101.5");
    d.form().set_text(ctl::setup_acceleration_boxes[6], "7.5");
    d.form().set_text(ctl::setup_pulses_boxes[5], "40");
    d.form().set_text(ctl::setup_pulses_boxes[4], "2.5");
    d.save_and_exit();
    const AxisSettings& ax = d.axes();
    EXPECT_EQ(ax.acc[7], 8);
    EXPECT_EQ(ax.mSpeed[7], 6);
    EXPECT_EQ(ax.max[7], 102);
    EXPECT_EQ(ax.acc[6], 7.5);  // axis G keeps the fraction
    EXPECT_EQ(ax.pp_rev[5], 1);
    EXPECT_EQ(ax.pp_rev[4], 2.5);
    EXPECT_EQ(d.text(ctl::axis_name_boxes[0]), "Pan");
    EXPECT_EQ(d.text(ctl::axis_name_labels[0]), "Pan");  // above the position column
    d.app.type(ctl::axis_name_boxes[2], "Dolly");
    EXPECT_EQ(d.text(ctl::axis_name_labels[2]), "Dolly");
}

TEST(SetupDialog, RefusesValuesItCannotHoldAndKeepsTheTypedValues) {
    Dialog d;
    d.form().set_text(ctl::setup_speed_boxes[0], "300");
    d.form().set_text(ctl::setup_max_boxes[1], "8388608");
    d.save_and_exit();
    EXPECT_EQ(d.status(),
              axes_msg::apply_refused(axes_msg::out_of_range(1, "max pos", 8388608, "-8388608..8388607")));
    EXPECT_EQ(d.axes().mSpeed[0], 101);
    EXPECT_EQ(d.axes().max[1], 50000);
    EXPECT_TRUE(d.form().at(ctl::setup_dialog).visible);
    // The refused box is marked; reopening keeps every edit, and the mark goes when the box is fixed.
    EXPECT_EQ(d.form().at(ctl::setup_max_boxes[1]).colour, colour::light_red);
    EXPECT_EQ(d.form().at(ctl::setup_speed_boxes[0]).colour, colour::none);
    d.app.press(ctl::setup_menu);
    EXPECT_EQ(d.form().text(ctl::setup_max_boxes[1]), "8388608");
    EXPECT_EQ(d.form().text(ctl::setup_speed_boxes[0]), "300");
    EXPECT_EQ(d.form().at(ctl::setup_max_boxes[1]).colour, colour::light_red);
    d.form().set_text(ctl::setup_max_boxes[1], "8388600");
    EXPECT_EQ(d.form().at(ctl::setup_max_boxes[1]).colour, colour::none);
    d.form().set_text(ctl::setup_max_boxes[1], "8388608");

    // Every box takes one number, within what the rig and stats.ini can hold
    // (the rules a setup file meets too are tabled in the setup file tests).
    const std::pair<std::pair<ControlName, const char*>, std::string> refused[] = {
        {{ctl::setup_pulses_boxes[1], "0"}, "axis B pulses/unit"},
        {{ctl::setup_speed_boxes[7], "40000"}, "axis H max speed 40000 is outside 1..32767"},
        {{ctl::setup_speed_boxes[0], "2147483648"}, "axis A max speed 2147483648 is outside 1..32767"},
        {{ctl::setup_acceleration_boxes[2], "0"}, "axis C acceleration 0"},  // a ramp would never arrive
        {{ctl::setup_speed_boxes[1], "0.5"}, "axis B max speed 0.5 is outside 1..32767"},
        {{ctl::setup_min_boxes[2], ""}, axes_msg::not_a_number(2, "min pos", "")},
        {{ctl::setup_max_boxes[3], "NaN"}, axes_msg::not_a_number(3, "max pos", "NaN")},
        {{ctl::setup_min_boxes[4], "-5 mm"}, axes_msg::not_a_number(4, "min pos", "-5 mm")},
        {{ctl::setup_min_boxes[0], "500"}, axes_msg::min_above_max(0, 500, -500)},  // the min box is marked
        {{ctl::setup_speed_boxes[1], "50"}, axes_msg::out_of_range(1, "F speed", 80, "0..50")},  // below the F speed
    };
    d.axes().FSpeed[1] = 80;
    d.form().set_text(ctl::setup_max_boxes[0], "-500");
    d.form().set_text(ctl::setup_max_boxes[1], "8388607");
    for (const auto& [typed, reason] : refused) {
        const std::string kept = d.form().text(typed.first);
        d.form().set_text(typed.first, typed.second);
        d.save_and_exit();
        EXPECT_NE(d.status().find(reason), std::string::npos) << d.status();
        EXPECT_EQ(d.form().at(typed.first).colour, colour::light_red) << reason;
        EXPECT_EQ(d.axes().mSpeed[0], 101) << reason;
        d.form().set_text(typed.first, kept);
    }
    d.form().set_text(ctl::setup_max_boxes[0], "50000");
    d.form().set_text(ctl::setup_min_boxes[7], "-8388608");
    d.save_and_exit();
    EXPECT_EQ(d.axes().max[1], 8388607);
    EXPECT_EQ(d.axes().min[7], -8388608);
    EXPECT_EQ(d.axes().mSpeed[0], 300);

    // "exit setup" drops refused edits: the next opening shows the settings.
    d.form().set_text(ctl::setup_speed_boxes[2], "x");
    d.save_and_exit();
    d.form().press(ctl::setup_exit_button);
    d.app.press(ctl::setup_menu);
    EXPECT_EQ(d.form().text(ctl::setup_speed_boxes[2]), "103");
    EXPECT_EQ(d.form().at(ctl::setup_speed_boxes[2]).colour, colour::none);
}

TEST(SetupDialog, UnusedFieldsTakeNoInputAndTheTogglesAndShowValuesWork) {
    Dialog d;
    for (ControlName unused : {ctl::setup_pulses_boxes[5], ctl::setup_pulses_boxes[6], ctl::setup_pulses_boxes[7],
                               ctl::setup_position_boxes[0], ctl::setup_position_boxes[7]})
        EXPECT_FALSE(d.form().at(unused).enabled) << unused.str();
    EXPECT_TRUE(d.form().at(ctl::setup_pulses_boxes[4]).enabled);

    int kept = 0;  // pulses per unit and the toggles go to the program's settings at each change
    d.axes_kept_changed() = [&kept] { ++kept; };
    Panel& f = d.form();
    f.press(ctl::setup_reverse_buttons[2]);
    EXPECT_TRUE(d.axes().rev[2]);
    EXPECT_EQ(f.at(ctl::setup_reverse_buttons[2]).colour, colour::green);
    f.press(ctl::setup_reverse_buttons[2]);
    EXPECT_FALSE(d.axes().rev[2]);

    d.app.press(ctl::enable_buttons[2]);
    EXPECT_TRUE(d.axes().ena[2]);
    EXPECT_EQ(d.colour(ctl::enable_buttons[2]), colour::green);
    f.set_text(ctl::setup_pulses_boxes[0], "100");
    d.save_and_exit();
    d.save_and_exit();  // unchanged: not written again
    EXPECT_EQ(kept, 4);

    f.set_text(ctl::setup_min_boxes[0], "5");
    f.press(ctl::setup_show_values_button);
    EXPECT_EQ(f.text(ctl::setup_min_boxes[0]), "-50000");
}

TEST(KeptAxisSettings, ReadBackAsWrittenKeyByKeyAndRefusedWholeByTheKeyThatCannotBeRead) {
    AxisSettings s = AxisSettings::defaults();
    s.pp_rev = {100, 2.5, 1, 1, 1, 1, 1, -4};
    s.ena[1] = s.ena[6] = true;
    s.rev[0] = s.rev[7] = true;
    s.unit[0] = "°";
    s.unit[4] = "mm";
    std::map<std::string, std::string> stored;
    for (const auto& [key, value] : encode_kept_axis_settings(s)) stored[key] = value;
    auto lookup = [&stored](const std::string& key) -> std::optional<std::string> {
        const auto it = stored.find(key);
        return it == stored.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
    const AxisSettings back = decode_kept_axis_settings(AxisSettings::defaults(), lookup).value();
    EXPECT_EQ(back.pp_rev, s.pp_rev);
    EXPECT_EQ(back.ena, s.ena);
    EXPECT_EQ(back.rev, s.rev);
    EXPECT_EQ(back.unit, s.unit);
    EXPECT_EQ(stored.count("enableH"), 0u);  // the enable toggles stop at G

    stored = {{"pulsesPerUnitC", "7"}};  // what is not stored keeps its value
    EXPECT_EQ(decode_kept_axis_settings(s, lookup).value().pp_rev[0], 100);
    for (const auto& [key, value] : {std::pair{"pulsesPerUnitB", "0"}, {"pulsesPerUnitB", "x"}, {"reverseH", "yes"},
                                            {"unitC", "inch"}}) {
        stored = {{"pulsesPerUnitA", "5"}, {key, value}};
        EXPECT_EQ(decode_kept_axis_settings(s, lookup).error(), axes_msg::kept_unreadable(key, value));
    }
}
