#include "motion/motion_commands.h"

#include <array>
#include <memory>
#include <string>

#include "base/numeric.h"

#include "axes/axes_commands.h"
#include "engine/engine_displays.h"
#include "motion/controls.h"
#include "motion/goto_commands.h"
#include "motion/jog_keys.h"
#include "motion/playback_commands.h"
#include "motion/single_frame.h"
#include "motion/triggers.h"
#include "move/fkey_status.h"

namespace kestrova {

namespace {

void install_playback(const MotionContext& c) {
    Panel& p = c.panel;
    PlaybackState& pl = c.engine.play;
    p.on_press(ctl::run_button, [c] { run_move(c); });
    p.on_press(ctl::stop_button, [c] { stop_all(c); });
    p.on_press(ctl::loop_button, [&p, &pl] { toggle_loop(p, pl); });
    p.on_press(ctl::play_speed_button, [&pl] { set_play_speed(pl); });
    p.on_press(ctl::counter_reset_button, [&link = c.link] { request_counter_reset(link); });
    p.on_press(ctl::show_nums_button, [&p] { disable_fkeys(p); });
    p.on_change(ctl::divider_box, [&p, &n = c.notices, &pl](const std::string& t) { divider_box_rule(p, n, pl, t); });
}

void install_positioning(const MotionContext& c) {
    Panel& p = c.panel;
    p.on_press(ctl::step_button, [c] { step_forward(c); });
    p.on_press(ctl::step_back_button, [c] { step_back(c); });
    p.on_press(ctl::go_to_sub_frame_button, [c] { go_to_sub_frame(c); });
    p.on_press(ctl::go_to_frame_button, [c] { go_to_frame(c); });
    p.on_press(ctl::go_to_end_button, [c] { go_to_end(c); });
    p.on_press(ctl::go_to_page_button, [c] { go_to_page(c); });
    p.on_press(ctl::go_to_start_button, [c] { go_to_start(c); });
    p.on_press(ctl::go_to_position_button, [c] { go_to_position(c); });
    p.on_press(ctl::go_to_zero_button, [c] { go_to_zero(c); });
    p.on_press(ctl::zero_all_button, [c] { zero_all(c); });
    p.on_change(ctl::go_to_frame_box, [c](const std::string& t) { frame_box_rule(c, t); });
    p.on_change(ctl::page_box, [&p](const std::string&) { page_box_rule(p); });
}

void install_jog_keys(const MotionContext& c) {
    Panel& p = c.panel;
    JogState& jog = c.engine.jog;
    MotionEntries& entries = c.entries;
    p.on_press(ctl::enable_fkeys_button,
               [&p, &n = c.notices, &jog, &axes = c.axes, &entries] { enable_fkeys(p, n, jog, axes, entries); });
    p.on_press(ctl::disable_fkeys_button, [&p] { disable_fkeys(p); });
    on_fkey_status_keys(
        p, [&jog](int code, bool repeat) { return fkey_down(jog, code, repeat); },
        [&jog](int code, bool repeat) {
            fkey_up(jog, code, repeat);
            return false;
        },
        [&jog] { release_all_fkeys(jog); });
    // What each F speed rule last took; the boxes start empty.
    auto accepted = std::make_shared<std::array<std::string, move_axes>>();
    for (int a = 0; a < move_axes; ++a) {
        const auto i = static_cast<std::size_t>(a);
        keep_position_box(
            p, a, [&u = entries.position_units[i]](const std::string& t) { u = num::val(t); },
            [&p, &n = c.notices, &axes = c.axes, &pos = c.engine.curpos, a, i](const std::string& t) {
                position_box_rule(p, n, axes, pos[i], a, t);
            });
        keep_fspeed_box(
            p, a, [&f = entries.fspeed[i]](const std::string& t) { f = num::val(t); },
            [&p, &n = c.notices, &axes = c.axes, a, accepted](const std::string& t) {
                fspeed_box_rule(p, n, axes, a, t, (*accepted)[static_cast<std::size_t>(a)]);
            });
    }
}

void install_single_frame(const MotionContext& c) {
    Panel& p = c.panel;
    Notices& n = c.notices;
    p.on_press(ctl::single_frame_button, [c] { toggle_single_frame(c); });
    SingleFrameState& sf = c.single_frame;
    for (IntervalField f : {IntervalField::Hours, IntervalField::Minutes, IntervalField::Seconds})
        p.on_change(interval_box_name(f), [&p, &n, &sf, f](const std::string& t) { interval_box_rule(p, n, sf, f, t); });
    p.on_change(ctl::exposure_box, [&n, &sf](const std::string& t) { exposure_box_rule(n, sf, t); });
    set_lamp(p, false);
}

void install_triggers(Panel& p, TriggerState& t, SoundSyncState& sync) {
    p.on_press(ctl::tone_trigger_button, [&p, &t] { toggle_trigger(p, t, Trigger::Tone); });
    p.on_press(ctl::time_code_trigger_button, [&p, &t] { toggle_trigger(p, t, Trigger::TimeCode); });
    p.on_press(ctl::gpi_trigger_button, [&p, &t] { toggle_trigger(p, t, Trigger::Gpi); });
    p.on_press(ctl::clear_triggers_button, [&p, &t] { clear_triggers(p, t); });
    p.on_press(ctl::sound_sync_button, [&p, &sync] { toggle_sound_sync(p, sync); });
}

}  // namespace

// "Go Home", "Flash" and "Light" have no action.
void install_motion_commands(const MotionContext& ctx, TriggerState& triggers) {
    install_playback(ctx);
    install_positioning(ctx);
    install_jog_keys(ctx);
    install_single_frame(ctx);
    install_triggers(ctx.panel, triggers, ctx.engine.sound_sync);
}

}  // namespace kestrova
