#include "motion/playback_commands.h"

#include <cmath>

#include "base/numeric.h"
#include "engine/engine_displays.h"
#include "engine/pad_ramp.h"
#include "engine/positioning.h"
#include "motion/controls.h"
#include "motion/messages.h"
#include "motion/single_frame.h"
#include "move/fkey_status.h"

namespace kestrova {

namespace {

// Frame 1 played from where "go to start" left the rig.
void start_playback(const MotionContext& c) {
    PlaybackState& pl = c.engine.play;
    if (Result<> r = enter(c.engine.mode, EngineMode::Playing); !r) {
        c.notices.say(r.error());
        return;
    }
    pl.playframe = 1;
    if (pl.playdiv == 1) {
        pl.divcount = 1;
    } else {
        // Slow play interpolates from the start position, every move axis alike.
        pl.divcount = 0;
        for (int a = 0; a < move_axes; ++a) pl.frompos[static_cast<std::size_t>(a)] = frame_goal(c.move, c.axes, 1, a);
    }
}

}  // namespace

bool run_move(const MotionContext& c) {
    EngineState& e = c.engine;
    PlaybackState& pl = e.play;
    Panel& p = c.panel;
    // Restarting from frame 1 mid-play would make the rig jump to the start in one frame.
    if (e.mode == EngineMode::Playing) {
        c.notices.say(motion_msg::already_playing);
        return false;
    }
    if (Result<> r = can_enter(e.mode, EngineMode::Playing); !r) {
        c.notices.say(r.error());
        return false;
    }
    pl.playdiv = pl.divider;
    e.sound_sync.soundsynced = false;
    e.sound_sync.synccount = 2;
    disable_fkeys(p);
    for (int a = 0; a < move_axes; ++a) {
        if (std::trunc(e.curpos[static_cast<std::size_t>(a)]) != frame_goal(c.move, c.axes, 1, a)) {
            p.set_visible(ctl::not_at_start_warning, true);
            c.notices.say(motion_msg::not_at_start(static_cast<char>('A' + a)));
            return false;
        }
    }
    p.set_visible(ctl::not_at_start_warning, false);
    if (c.hooks.before_play) {
        c.hooks.before_play([c] { start_playback(c); });
        return e.mode == EngineMode::Playing;
    }
    start_playback(c);
    return true;
}

void stop_all(const MotionContext& c) {
    EngineState& e = c.engine;
    PlaybackState& pl = e.play;
    Panel& p = c.panel;
    if (e.mode == EngineMode::Playing) {
        // The rig stands where the last frame message sent it.
        for (std::size_t a = 0; a < move_axes; ++a) e.curpos[a] = num::int_floor(pl.next[a]);
    }
    c.link.incontrol = 0;
    (void)enter(e.mode, EngineMode::Idle);
    pl.looping = false;
    // The pad's axes coast to rest and stay there until its dead-man button is held anew.
    e.jog.pad.target.fill(0);
    e.jog.pad.halted = true;
    p.set_colour(ctl::loop_button, colour::inactive_border);
    c.entries.zero_all_armed = false;
    p.set_caption(ctl::zero_all_button, motion_msg::zero_all_caption);
    end_single_frame(c);
    p.set_visible(ctl::not_at_start_warning, false);
}

namespace {

void let_go_of_fkeys(JogState& j) {
    j.fkeydown.fill(false);
    j.fkeyup.fill(false);
    j.speed.fill(0);
}

// The rig is gone or not reading: nothing may go on moving, the pad's axes neither.
void let_go_of_everything(JogState& j) {
    let_go_of_fkeys(j);
    pad_let_go(j.pad);
}

// The engine goes on from where the rig stands, the step-size rule measures
// from there, and the position boxes show it.
void hold_where_the_rig_is(const MotionContext& c, const std::optional<Decoded>& last_taken) {
    EngineState& e = c.engine;
    std::array<double, move_axes> at = e.last_sent;
    if (last_taken) {
        const std::size_t carried = last_taken->short_form ? 1 : move_axes;  // the short form carries A only
        for (std::size_t a = 0; a < carried; ++a) at[a] = last_taken->pos[a];
    }
    for (std::size_t a = 0; a < move_axes; ++a) {
        e.curpos[a] = e.lastpos[a] = e.last_sent[a] = at[a];
        show_position(c.panel, c.axes, static_cast<int>(a), at[a]);
    }
}

}  // namespace

void stop_everything(const MotionContext& c) {
    stop_all(c);
    let_go_of_fkeys(c.engine.jog);
}

void stop_motion_keep_positions(const MotionContext& c, const std::optional<Decoded>& last_taken) {
    EngineState& e = c.engine;
    const bool run_on = single_frame_run(e.mode);
    (void)enter(e.mode, EngineMode::Idle);
    if (run_on) end_single_frame(c);  // puts its button and lamp back
    let_go_of_everything(e.jog);
    hold_where_the_rig_is(c, last_taken);
}

void stop_for_stalled_rig(const MotionContext& c, const std::optional<Decoded>& last_taken) {
    stop_all(c);
    let_go_of_everything(c.engine.jog);
    hold_where_the_rig_is(c, last_taken);
}

void toggle_loop(Panel& panel, PlaybackState& play) {
    play.looping = !play.looping;
    panel.set_colour(ctl::loop_button, play.looping ? colour::green : colour::red);
}

void set_play_speed(PlaybackState& play) { play.playdiv = play.divider; }

void request_counter_reset(LinkState& link) { link.resetreq = true; }

void divider_box_rule(Panel& panel, Notices& notices, PlaybackState& play, const std::string& text) {
    const double v = num::val(text);
    // A fractional divider would never complete a frame.
    if (v > 0 && v < 1001 && v == std::floor(v)) {
        play.divider = v;
        return;
    }
    panel.set_text(ctl::divider_box, "1");
    notices.say(motion_msg::out_of_range(motion_msg::divider_box, "a whole number 1 to 1000", "1"));
}

}  // namespace kestrova
