#include "motion/single_frame_timing.h"

#include "base/numeric.h"
#include "motion/controls.h"
#include "motion/goto_commands.h"
#include "motion/messages.h"
#include "motion/single_frame.h"

namespace kestrova {

namespace {

constexpr int ticks_per_second = 25;
constexpr int hours_limit = 99;

// One 40 ms tick more on the interval counter. False when the run has
// reached its time limit and was ended.
bool advance_counter(const MotionContext& c) {
    SingleFrameState& sf = c.single_frame;
    if (++sf.tcframes == ticks_per_second) {
        sf.tcframes = 0;
        ++sf.tcsecs;
    }
    if (sf.tcsecs == 60) {
        sf.tcsecs = 0;
        ++sf.tcmins;
    }
    if (sf.tcmins == 60) {
        sf.tcmins = 0;
        ++sf.tchours;
    }
    if (sf.tchours < hours_limit) return true;
    end_single_frame(c);
    c.notices.say(motion_msg::single_frame_timeout);
    return false;
}

// The ticks within the second are not compared.
bool interval_matches(const SingleFrameState& sf) {
    return sf.hours == sf.tchours && sf.minutes == sf.tcmins && sf.seconds == sf.tcsecs;
}

}  // namespace

namespace {

// The interval is counted once per tick, so it runs in real seconds; a match
// lights the lamp below.
void count_interval(const MotionContext& c) {
    SingleFrameState& sf = c.single_frame;
    if (!single_frame_run(c.engine.mode) || !advance_counter(c)) return;
    if (!interval_matches(sf)) return;
    sf.tcsecs = sf.tcmins = sf.tchours = 0;
    sf.sfmatch = true;
}

}  // namespace

void single_frame_tick(const MotionContext& c) {
    count_interval(c);
    SingleFrameState& sf = c.single_frame;
    if (!single_frame_run(c.engine.mode)) return;
    ++sf.exposureticks;
    const double x = sf.exposure;
    if (x > 0 && x < exposure_limit) {
        if (x == sf.exposureticks) {
            set_lamp(c.panel, false);
            step_forward(c);
        }
    } else {
        set_lamp(c.panel, false);
    }
    if (c.engine.positioning.gototarget == c.move.totalframes) {
        end_single_frame(c);
        c.notices.say(motion_msg::single_frame_done);
        return;
    }
    if (sf.sfmatch) {
        sf.sfmatch = false;
        set_lamp(c.panel, true);
        sf.exposureticks = 0;
    }
}

}  // namespace kestrova
