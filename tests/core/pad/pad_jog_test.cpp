// A virtual pad drives the whole path: SDL's controller layer, the pad
// reader, the pad's rules and the engine's ramp.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/controls.h"
#include "move/controls.h"
#include "move/messages.h"
#include "pad/messages.h"
#include "virtual_pad.h"

namespace kestrova {
namespace {

using test_support::PadSession;

TEST(Pad, DeflectionRampsToItsShareOfTheFSpeedAndCoastsDownWhenTheDeadManIsLetGo) {
    PadSession s;
    s.pad.stick(SDL_CONTROLLER_AXIS_LEFTX, 0.5);
    s.pad.stick(SDL_CONTROLLER_AXIS_LEFTY, -1);          // pushed up: axis B goes up
    s.pad.stick(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0.06);  // inside the dead zone
    s.step(3);
    EXPECT_EQ(s.at(0), 0) << "nothing moves without the dead-man button";
    s.pad.dead_man(true);
    const double acc = s.axes().acc[0];  // 10 a step
    s.step();
    EXPECT_DOUBLE_EQ(s.speed(0), acc);
    s.step(9);
    EXPECT_NEAR(s.speed(0), 50, 0.01) << "half deflection, half of F speed 100";
    EXPECT_NEAR(s.speed(1), 100, 0.01);  // B is capped by its F speed, not its maximum 102
    EXPECT_EQ(s.speed(4), 0);
    const double before = s.at(0);
    s.pad.dead_man(false);
    s.step();
    EXPECT_NEAR(s.at(0), before + 40, 0.01);
    s.step(10);
    EXPECT_NEAR(s.at(0), before + 40 + 30 + 20 + 10, 0.01) << "coasted down like a released F key";

    // The triggers drive E, one each way.
    s.pad.stick(SDL_CONTROLLER_AXIS_LEFTX, 0);
    s.pad.stick(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 1);
    s.pad.dead_man(true);
    s.step(20);
    EXPECT_NEAR(s.speed(4), -100, 0.01);
}

TEST(Pad, IsOffWhileFKeysAreDisabledAndSaysSoOnce) {
    PadSession s;
    s.app.press(ctl::disable_fkeys_button);
    s.pad.dead_man(true);
    s.pad.stick(SDL_CONTROLLER_AXIS_LEFTX, 1);
    s.step(5);
    EXPECT_EQ(s.at(0), 0);
    const auto& said = s.notices().said;
    EXPECT_EQ(std::count_if(said.begin(), said.end(), [](auto& m) { return m.text == pad_msg::off_while_fkeys_disabled; }), 1);
    s.app.press(ctl::enable_fkeys_button);
    s.step(2);
    EXPECT_GT(s.at(0), 0);
}

TEST(Pad, UnpluggingOrLosingTheFocusMidJogCoastsToRest) {
    PadSession s;
    s.step();
    EXPECT_EQ(s.gamepad().status(), pad_msg::status("Virtual Pad"));
    s.pad.dead_man(true);
    s.pad.stick(SDL_CONTROLLER_AXIS_LEFTX, 1);
    s.step(12);
    ASSERT_NEAR(s.speed(0), 100, 0.01);
    s.window_active = false;
    s.step();
    EXPECT_NEAR(s.speed(0), 90, 0.01);
    s.window_active = true;
    s.step(2);
    ASSERT_NEAR(s.speed(0), 100, 0.01);

    s.pad.unplug();
    s.step();
    EXPECT_EQ(s.status(), pad_msg::disconnected("Virtual Pad"));
    EXPECT_EQ(s.gamepad().status(), "");
    EXPECT_NEAR(s.speed(0), 90, 0.01);
    s.step(10);
    EXPECT_EQ(s.speed(0), 0);
}

TEST(Pad, ASoftLimitHoldsTheAxisSilentlyAndPullingBackMovesAwayAtOnce) {
    PadSession s;
    s.axes().max[0] = 300;
    s.pad.dead_man(true);
    s.pad.stick(SDL_CONTROLLER_AXIS_LEFTX, 1);
    s.step();
    const unsigned serial = s.notices().status_serial;
    s.step(20);
    EXPECT_EQ(s.at(0), 300);
    EXPECT_EQ(s.speed(0), 0);
    EXPECT_EQ(s.notices().status_serial, serial) << "no message at a soft limit";
    s.pad.stick(SDL_CONTROLLER_AXIS_LEFTX, -1);
    s.step();
    EXPECT_NEAR(s.at(0), 290, 0.01);
}

TEST(Pad, ButtonsStoreKeyframesStepThePositionGoToKeyframesAndStop) {
    PadSession s;
    s.set_length(60);
    s.app.press(ctl::enable_fkeys_button);
    s.app.type(ctl::keyframe_frame_box, "1");
    auto click = [&s](SDL_GameControllerButton b) {
        s.pad.button(b, true);
        s.step();
        s.pad.button(b, false);
        s.step();
    };
    click(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(s.move().keyframe_count(), 0) << "A needs the dead-man button too";
    s.pad.dead_man(true);
    click(SDL_CONTROLLER_BUTTON_A);
    click(SDL_CONTROLLER_BUTTON_A);
    click(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(s.move().keyframe_count(), 3);
    EXPECT_EQ(s.move().frame_of(0, 2), 26);
    EXPECT_EQ(s.move().frame_of(0, 3), 51);
    EXPECT_EQ(s.panel().text(ctl::keyframe_frame_box), "60") << "the step stops at the move's length";
    EXPECT_EQ(s.panel().text(ctl::fkey_status_box), move_msg::fkeys_enabled) << "a pad button leaves F-key jogging on";

    click(SDL_CONTROLLER_BUTTON_X);
    EXPECT_EQ(s.engine().positioning.gototarget, 51);
    EXPECT_EQ(s.panel().text(ctl::keyframe_frame_box), "51");
    s.step(200);
    click(SDL_CONTROLLER_BUTTON_Y);
    EXPECT_EQ(s.status(), pad_msg::no_keyframe_after(51));

    // B stops: the axes coast, and stay still until the dead-man is held anew.
    s.pad.stick(SDL_CONTROLLER_AXIS_LEFTX, 1);
    s.step(12);
    ASSERT_NEAR(s.speed(0), 100, 0.01);
    s.pad.button(SDL_CONTROLLER_BUTTON_B, true);
    s.step();
    EXPECT_NEAR(s.speed(0), 90, 0.01);
    s.step(12);
    EXPECT_EQ(s.speed(0), 0);
    s.pad.dead_man(false);
    s.step();
    s.pad.dead_man(true);
    s.step();
    EXPECT_NEAR(s.speed(0), 10, 0.01);
}

}  // namespace
}  // namespace kestrova
