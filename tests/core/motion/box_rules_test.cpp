// What each operator box keeps of what is typed into it: a refused text gives
// way to the box's fallback (or its previous value), an accepted one stays.
#include <gtest/gtest.h>

#include "axes/controls.h"
#include "axes/messages.h"
#include "engine/controls.h"
#include "motion/controls.h"
#include "motion/messages.h"
#include "shaping/controls.h"
#include "started_app.h"

using namespace kestrova;

TEST(Boxes, KeepOnlyWhatTheirRuleAccepts) {
    struct Case {
        ControlName box;
        const char* typed;
        const char* shown;
        std::string status = {};  // checked when given
    };
    const Case cases[] = {
        // Positions: within the limits, or less than 1 beyond them; else the box keeps its text.
        {ctl::position_boxes[0], "60000", "7", motion_msg::position_outside_limits('A', "7")},
        {ctl::position_boxes[0], "50000.5", "50000.5"},
        {ctl::position_boxes[0], "-50000.5", "-50000.5"},
        // The limits are in pulses: at 2 pulses a unit, 30000 on B lies beyond them.
        {ctl::position_boxes[1], "30000", "7"},
        // F speeds: from 0 to the axis's maximum speed (101 on A).
        {ctl::fspeed_boxes[0], "-300", "7", axes_msg::out_of_range(0, axes_msg::fspeed_field, -300, "0..101")},
        {ctl::fspeed_boxes[0], "3000", "7"},
        {ctl::fspeed_boxes[0], "101.5", "7"},
        {ctl::fspeed_boxes[0], "101", "101"},
        // The play-back divider: whole numbers 1..1000.
        {ctl::divider_box, "1001", "1"}, {ctl::divider_box, "0", "1"}, {ctl::divider_box, "", "1"},
        {ctl::divider_box, "1.5", "1"}, {ctl::divider_box, "1000", "1000"},
        // The go-to frame: a frame of the move (1500 frames).
        {ctl::go_to_frame_box, "0", "1"}, {ctl::go_to_frame_box, "1501", "1"}, {ctl::go_to_frame_box, "", "1"},
        {ctl::go_to_frame_box, "1500", "1500"},
        // The single-frame interval.
        {ctl::seconds_box, "60", "0"}, {ctl::seconds_box, "59", "59"}, {ctl::seconds_box, "", "10"},
        {ctl::hours_box, "99", "99"}, {ctl::hours_box, "100", "0"}, {ctl::hours_box, "x", "00"},
        // The Bezier handle share: 1..100 percent, else 20.
        {ctl::handle_share_box, "0", "20"}, {ctl::handle_share_box, "101", "20"},
        {ctl::handle_share_box, "abc", "20"}, {ctl::handle_share_box, "100", "100"},
    };
    for (const Case& c : cases) {
        test_support::StartedApp s;
        s.axes().pp_rev[1] = 2;
        s.panel().set_text(c.box, "7");
        s.panel().set_text(c.box, c.typed);
        EXPECT_EQ(s.panel().text(c.box), c.shown) << c.box.str() << " " << c.typed;
        if (!c.status.empty()) {
            EXPECT_EQ(s.status(), c.status) << c.box.str() << " " << c.typed;
        }
    }
}
