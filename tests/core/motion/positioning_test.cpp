#include <gtest/gtest.h>

#include "motion/messages.h"
#include "move/messages.h"
#include "started_app.h"
#include "engine/controls.h"
#include "motion/controls.h"

using namespace kestrova;
using Rig = test_support::StartedApp;

TEST(StepAndGoToPage, DoNothingAtTheEndsOrFromAnEmptyBoxAndAPageGoesToItsFirstFrame) {
    Rig r;
    const PositioningState& ps = r.engine().positioning;
    // Each refused press leaves the rig idle and says why; page 3 starts at frame 2049.
    const struct { ControlName box; const char* typed; ControlName button; std::string said; } refused[] = {
        {ctl::sub_frame_box, "1500", ctl::step_button, motion_msg::at_last_frame},
        {ctl::sub_frame_box, "1", ctl::step_back_button, motion_msg::at_first_frame},
        {ctl::page_box, "3", ctl::go_to_page_button, motion_msg::no_such_frame(2049, 1500)},
        {ctl::sub_frame_box, "1501", ctl::go_to_sub_frame_button, motion_msg::no_such_frame(1501, 1500)},
        {ctl::sub_frame_box, "", ctl::step_button, motion_msg::not_a_number(motion_msg::sub_frame_box, "1")},
    };
    for (const auto& c : refused) {
        r.notices().status.clear();
        r.app.type(c.box, c.typed);
        r.app.press(c.button);
        EXPECT_EQ(r.engine().mode, EngineMode::Idle) << c.typed;
        EXPECT_EQ(r.status(), c.said) << c.typed;
    }
    EXPECT_EQ(r.text(ctl::sub_frame_box), "1");
    r.app.press(ctl::enable_fkeys_button);
    r.app.type(ctl::page_box, "4");  // typing a page disables the F keys
    EXPECT_EQ(r.text(ctl::fkey_status_box), move_msg::fkeys_disabled);

    r.move().create_tables(20000);
    r.move().totalframes = 20000;
    r.app.type(ctl::page_box, "2000");
    r.app.press(ctl::go_to_page_button);
    EXPECT_EQ(r.text(ctl::page_box), "1062");
    EXPECT_EQ(ps.gototarget, 18993);
    r.app.type(ctl::page_box, "3");
    r.app.press(ctl::go_to_page_button);
    EXPECT_EQ(r.engine().mode, EngineMode::GoingToFrame);
    EXPECT_EQ(ps.gototarget, 2049);
    EXPECT_EQ(r.text(ctl::sub_frame_box), "2049");
}

TEST(GoToPositionAndZeroAll, StartOnlyFromTenPulsesAwayAndAfterASecondPress) {
    Rig r;
    const PositioningState& ps = r.engine().positioning;
    r.engine().curpos[1] = 100;
    r.app.type(ctl::position_boxes[1], "109.9");
    r.engine().positioning.atspeed.fill(true);
    r.app.press(ctl::go_to_position_button);
    EXPECT_EQ(r.engine().mode, EngineMode::Idle);
    EXPECT_FALSE(ps.atspeed[7]);
    EXPECT_EQ(r.status(), motion_msg::nothing_to_position);

    r.app.type(ctl::position_boxes[1], "110");
    r.app.press(ctl::go_to_position_button);
    EXPECT_EQ(r.engine().mode, EngineMode::Positioning);
    EXPECT_EQ(ps.target[1], 110);

    // A slip past the limit keeps the box's text: the rig is not sent to 0.
    Rig slip;
    slip.axes().min[0] = -8000;
    slip.axes().max[0] = 8000;
    slip.engine().curpos[0] = 8000;
    slip.panel().show(ctl::position_boxes[0], "8000");  // as the engine shows it
    slip.app.type(ctl::position_boxes[0], "8005");
    EXPECT_EQ(slip.text(ctl::position_boxes[0]), "8000");
    slip.app.press(ctl::go_to_position_button);
    EXPECT_EQ(slip.engine().mode, EngineMode::Idle);
    // When the old text lies outside too (the limits were lowered), the box shows where the rig stands.
    slip.panel().show(ctl::position_boxes[0], "9000");
    slip.app.type(ctl::position_boxes[0], "9001");
    EXPECT_EQ(slip.text(ctl::position_boxes[0]), "8000");

    // Zero All needs two presses; a Stop in between cancels.
    Rig z;
    z.engine().curpos = {5, 6, 7, 8, 9, 10, 0, 0};
    z.app.press(ctl::zero_all_button);
    EXPECT_EQ(z.text(ctl::zero_all_button), motion_msg::zero_all_armed);
    z.app.press(ctl::stop_button);
    z.app.press(ctl::zero_all_button);
    EXPECT_EQ(z.engine().curpos[0], 5);
    EXPECT_FALSE(z.link_status().resetreq);

    z.app.press(ctl::zero_all_button);
    EXPECT_EQ(z.engine().curpos[4], 0);
    EXPECT_EQ(z.engine().curpos[5], 10);  // axis F is not a move axis
    EXPECT_TRUE(z.link_status().resetreq);
}
