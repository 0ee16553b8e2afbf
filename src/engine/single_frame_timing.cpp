#include "engine/single_frame_timing.h"

#include "motion/goto_commands.h"
#include "motion/messages.h"
#include "motion/single_frame.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

constexpr int ticks_per_second = 25;
constexpr int hours_limit = 99;

// One 40 ms tick more on the interval counter. False when the run has
// reached its time limit and was ended.
bool advance_counter(AppState& s) {
    EngineState& e = s.engine;
    if (++e.tcframes == ticks_per_second) {
        e.tcframes = 0;
        ++e.tcsecs;
    }
    if (e.tcsecs == 60) {
        e.tcsecs = 0;
        ++e.tcmins;
    }
    if (e.tcmins == 60) {
        e.tcmins = 0;
        ++e.tchours;
    }
    if (e.tchours < hours_limit) return true;
    end_single_frame(s);
    s.notices.say(motion_msg::single_frame_timeout);
    return false;
}

// The ticks within the second are not compared.
bool interval_matches(const AppState& s) {
    const Panel& p = s.panel;
    const EngineState& e = s.engine;
    return num::val(p.text("hrset")) == e.tchours && num::val(p.text("minset")) == e.tcmins &&
           num::val(p.text("secset")) == e.tcsecs;
}

}  // namespace

// The interval is counted here, once per clock tick, so it runs in real
// seconds; a match is handed to the engine step, which lights the lamp.
void single_frame_timer_tick(AppState& s) {
    EngineState& e = s.engine;
    if (!e.sfrun || !advance_counter(s)) return;
    if (!interval_matches(s)) return;
    e.tcsecs = e.tcmins = e.tchours = 0;
    e.sfmatch = true;
}

void single_frame_engine_step(AppState& s) {
    EngineState& e = s.engine;
    if (!e.sfrun) return;
    ++e.exposureticks;
    const double x = num::val(s.panel.text("exposure"));
    if (x > 0 && x < exposure_limit) {
        if (x == e.exposureticks) {
            set_lamp(s, false);
            step_forward(s);
        }
    } else {
        set_lamp(s, false);
    }
    if (e.gototarget == s.move.totalframes) {
        end_single_frame(s);
        s.notices.say(motion_msg::single_frame_done);
        return;
    }
    if (e.sfmatch) {
        e.sfmatch = false;
        set_lamp(s, true);
        e.exposureticks = 0;
    }
}

}  // namespace kestrova
