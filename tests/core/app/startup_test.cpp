#include <gtest/gtest.h>

#include "started_app.h"
#include "app/app_controls.h"
#include "axes/controls.h"
#include "motion/controls.h"

using namespace kestrova;
using test_support::StartedApp;

TEST(StartUp, LeavesAnEmptyMoveOf1500FramesOffLineWithTheKeysDisabledAndTheLongMessageForm) {
    StartedApp s;
    // The empty move itself is the move file's test (a start-up move saved is 1500 frames of zeros).
    EXPECT_EQ(s.move().curframe, 1);
    EXPECT_EQ(s.text(ctl::total_frames_box), "1500");
    for (ControlName list : {ctl::keyframe_count_box, ctl::keyframe_list_boxes[0], ctl::keyframe_list_boxes[5]})
        EXPECT_EQ(s.text(list), "0");
    EXPECT_TRUE(s.link_status().commsoff);
    EXPECT_EQ(s.text(ctl::fkey_status_box), "F keys disabled");
    EXPECT_EQ(s.text(ctl::axis_name_labels[1]), "Tilt");  // the axis names of the setup
    EXPECT_FALSE(s.panel().at(ctl::not_at_start_warning).visible);
    EXPECT_FALSE(s.panel().at(ctl::folder_list).visible);

    // Without stats.ini the F keys move every axis from the start: a quarter of its maximum speed.
    EXPECT_EQ(s.text(ctl::fspeed_boxes[4]), "26");

    // The message form starts long and toggles.
    for (bool small : {false, true, false}) {
        EXPECT_EQ(s.link_status().smallversionbit, small);
        EXPECT_EQ(s.text(ctl::message_form_button), small ? "Small" : "Large");
        EXPECT_EQ(s.colour(ctl::message_form_button), small ? colour::green : colour::red);
        s.app.press(ctl::message_form_button);
    }
}
