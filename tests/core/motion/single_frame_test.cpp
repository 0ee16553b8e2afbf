#include <gtest/gtest.h>

#include <vector>

#include "engine/controls.h"
#include "motion/controls.h"
#include "motion/messages.h"
#include "motion/single_frame.h"
#include "started_app.h"

using namespace kestrova;
using Rig = test_support::StartedApp;

namespace {

struct Trace {
    std::vector<int> lamp_on, steps;  // ticks at which the lamp lit / the rig stepped
};

// Clock ticks as the program runs them: the timer's count, then the engine step.
Trace run_ticks(Rig& r, int ticks) {
    Trace t;
    for (int i = 1; i <= ticks; ++i) {
        const bool lit = lamp_lit(r.panel());
        const std::string frame = r.text(ctl::sub_frame_box);
        r.app.tick();
        if (!lit && lamp_lit(r.panel())) t.lamp_on.push_back(i);
        if (r.text(ctl::sub_frame_box) != frame) t.steps.push_back(i);
    }
    return t;
}

}  // namespace

TEST(SingleFrame, DesignIntervalLightsTheLampEveryTenRealSecondsStepsAfterTheExposureAndCountsTheTimeLeft) {
    Rig r;
    r.move().totalframes = 100;
    r.app.press(ctl::single_frame_button);
    EXPECT_TRUE(lamp_lit(r.panel()));
    EXPECT_EQ(r.app.progress(), motion_msg::single_frame_progress(0, 10, 99 * 10));
    const Trace t = run_ticks(r, 1000);
    // Two ticks after the start the exposure ends with a step; from then on the
    // lamp lights every 250 ticks (10 s) and the step follows two ticks later.
    EXPECT_EQ(t.lamp_on, (std::vector<int>{250, 500, 750, 1000}));
    EXPECT_EQ(t.steps, (std::vector<int>{2, 252, 502, 752}));
    EXPECT_EQ(r.app.progress(), motion_msg::single_frame_progress(4, 10, 95 * 10));
}

TEST(SingleFrame, EndsAtTheLastFrameStaysOffWithoutAnIntervalAndNeverStepsWithAnUnusableExposure) {
    Rig r;
    r.app.type(ctl::keyframe_frame_box, "1499");
    r.app.press(ctl::single_frame_button);
    run_ticks(r, 3);
    EXPECT_FALSE(single_frame_run(r.engine().mode));
    EXPECT_EQ(r.text(ctl::single_frame_button), motion_msg::single_frame_off);
    EXPECT_EQ(r.colour(ctl::single_frame_button), colour::red);
    EXPECT_EQ(r.status(), motion_msg::single_frame_done);
    EXPECT_EQ(r.single_frame().tcframes, 2);  // counting stopped with the run

    r.app.type(ctl::keyframe_frame_box, "1");
    for (ControlName box : {ctl::hours_box, ctl::minutes_box, ctl::seconds_box}) r.app.type(box, "0");
    r.app.press(ctl::single_frame_button);
    EXPECT_FALSE(single_frame_run(r.engine().mode));
    EXPECT_EQ(r.status(), motion_msg::no_interval);

    Rig unusable;
    unusable.app.type(ctl::exposure_box, "30000");
    EXPECT_EQ(unusable.status(), motion_msg::bad_exposure);
    unusable.app.press(ctl::single_frame_button);
    EXPECT_TRUE(run_ticks(unusable, 600).steps.empty());
    EXPECT_FALSE(lamp_lit(unusable.panel()));
}
