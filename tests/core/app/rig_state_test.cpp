#include <gtest/gtest.h>

#include "app/rig_state.h"

using namespace kestrova;

TEST(RigState, SaysWhatTheRigDoesAndWhenItIsOffLine) {
    using M = EngineMode;
    struct Case {
        M mode;
        bool key_held;
        double axis_speed;  // a let-go key's axis coasts down
        double pad_speed;
        bool online;
        const char* text;
    };
    const Case cases[] = {
        {M::Idle, false, 0, 0, true, "Standing"},
        {M::Idle, false, 0, 0, false, "Off line"},
        {M::Idle, true, 0, 0, true, "Jogging"},
        {M::Idle, false, 3, 0, false, "Jogging (off line)"},
        {M::Idle, false, 0, -2, true, "Jogging"},
        {M::LoopingBack, false, 3, 0, true, "Playing"},
        {M::GoingToFrame, false, 3, 0, true, "Positioning"},
        {M::SingleFrameStep, false, 0, 0, false, "Single frame (off line)"},
    };
    for (const Case& c : cases) {
        EngineState e;
        e.mode = c.mode;
        e.jog.anyfkey = c.key_held;
        e.jog.speed[1] = c.axis_speed;
        e.jog.pad.speed[2] = c.pad_speed;
        EXPECT_EQ(rig_state_text(rig_activity(e), c.online), c.text) << mode_name(c.mode);
    }
}
