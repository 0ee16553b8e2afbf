#include "motion/playback_commands.h"

#include <cmath>

#include "motion/messages.h"
#include "motion/single_frame.h"
#include "app/controls.h"
#include "app/fkey_status.h"
#include "base/numeric.h"

namespace kestrova {

bool run_move(AppState& s) {
    EngineState& e = s.engine;
    Panel& p = s.panel;
    // Restarting from frame 1 mid-play would make the rig jump to the start in one frame.
    if (e.running) {
        s.notices.say(motion_msg::already_playing);
        return false;
    }
    e.playdiv = num::val(p.text("Text6"));
    e.soundsynced = false;
    e.synccount = 2;
    disable_fkeys(p);
    for (int a = 0; a < move_axes; ++a) {
        if (std::trunc(e.curpos[a]) != s.move.pos_of(a, 1)) {
            p.set_visible("warning", true);
            s.notices.say(motion_msg::not_at_start(axis_letters[a]));
            return false;
        }
    }
    p.set_visible("warning", false);
    e.playframe = 1;
    if (e.playdiv == 1) {
        e.divcount = 1;
    } else {
        // Slow play interpolates from the first keyframe, every move axis alike.
        e.divcount = 0;
        for (int a = 0; a < move_axes; ++a) e.frompos[a] = s.move.pos_of(a, 1);
    }
    e.running = true;
    return true;
}

void stop_all(AppState& s) {
    EngineState& e = s.engine;
    Panel& p = s.panel;
    if (e.running) {
        // The rig stands where the last frame message sent it.
        for (int a = 0; a < move_axes; ++a) e.curpos[a] = num::int_floor(e.next[a]);
    }
    e.incontrol = 0;
    e.running = false;
    e.looping = false;
    e.posmoving = false;
    e.hometarget = false;
    e.entrytarget = false;  // else the next "go to start" would head for old typed positions
    e.gotoactive = false;
    e.restartflag = false;  // a looping return that has just arrived must not restart
    p.set_colour("Loopy", colour::inactive_border);
    p.set_caption("zeroall", "Zero All Axies");
    end_single_frame(s);
    p.set_visible("warning", false);
}

void toggle_loop(AppState& s) {
    s.engine.looping = !s.engine.looping;
    s.panel.set_colour("Loopy", s.engine.looping ? colour::green : colour::red);
}

void set_play_speed(AppState& s) { s.engine.playdiv = num::val(s.panel.text("Text6")); }

void request_counter_reset(AppState& s) { s.engine.resetreq = true; }

void divider_box_rule(AppState& s, const std::string& text) {
    const double v = num::val(text);
    // A fractional divider would never complete a frame.
    if (v > 0 && v < 1001 && v == std::floor(v)) return;
    s.panel.set_text("Text6", "1");
    s.notices.say(motion_msg::out_of_range(motion_msg::divider_box, "a whole number 1 to 1000", "1"));
}

}  // namespace kestrova
