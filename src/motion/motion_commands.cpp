#include "motion/motion_commands.h"

#include "motion/goto_commands.h"
#include "motion/jog_keys.h"
#include "motion/playback_commands.h"
#include "motion/single_frame.h"
#include "motion/triggers.h"
#include "app/controls.h"
#include "app/fkey_status.h"

namespace kestrova {

namespace {

void install_playback(AppState& s) {
    Panel& p = s.panel;
    p.on_press("run", [&s] { run_move(s); });
    p.on_press("Stop", [&s] { stop_all(s); });
    p.on_press("Loopy", [&s] { toggle_loop(s); });
    p.on_press("Speed", [&s] { set_play_speed(s); });
    p.on_press("Command12", [&s] { request_counter_reset(s); });
    p.on_press("shownums", [&s] { disable_fkeys(s.panel); });
    p.on_change("Text6", [&s](const std::string& t) { divider_box_rule(s, t); });
}

void install_positioning(AppState& s) {
    Panel& p = s.panel;
    p.on_press("Step", [&s] { step_forward(s); });
    p.on_press("stepB", [&s] { step_back(s); });
    p.on_press("Command14", [&s] { go_to_sub_frame(s); });
    p.on_press("Command15", [&s] { go_to_frame(s); });
    p.on_press("gotoend", [&s] { go_to_end(s); });
    p.on_press("gotoFrame", [&s] { go_to_page(s); });
    p.on_press("gotostart", [&s] { go_to_start(s); });
    p.on_press("gotopos", [&s] { go_to_position(s); });
    p.on_press("Command1", [&s] { go_to_zero(s); });
    p.on_press("zeroall", [&s] { zero_all(s); });
    p.on_change("Text18", [&s](const std::string& t) { frame_box_rule(s, t); });
    p.on_change("Text12", [&s](const std::string&) { page_box_rule(s); });
}

void install_jog_keys(AppState& s) {
    Panel& p = s.panel;
    p.on_press("enFkeys", [&s] { enable_fkeys(s); });
    p.on_press("disFkeys", [&s] { disable_fkeys_pressed(s); });
    p.on_key_down("enable", [&s](int code, bool repeat) { return fkey_down(s, code, repeat); });
    p.on_key_up("enable", [&s](int code, bool repeat) {
        fkey_up(s, code, repeat);
        return false;
    });
    p.on_focus_lost("enable", [&s] { release_all_fkeys(s); });
    for (int a = 0; a < move_axes; ++a)
        p.on_change(axis_box("pos", a), [&s, a](const std::string& t) { position_box_rule(s, a, t); });
}

void install_single_frame(AppState& s) {
    Panel& p = s.panel;
    p.on_press("setsingle", [&s] { toggle_single_frame(s); });
    p.on_change("hrset", [&s](const std::string& t) { interval_box_rule(s, IntervalField::Hours, t); });
    p.on_change("minset", [&s](const std::string& t) { interval_box_rule(s, IntervalField::Minutes, t); });
    p.on_change("secset", [&s](const std::string& t) { interval_box_rule(s, IntervalField::Seconds, t); });
    p.on_change("exposure", [&s](const std::string& t) { exposure_box_rule(s, t); });
    set_lamp(s, false);
}

void install_triggers(AppState& s) {
    Panel& p = s.panel;
    p.on_press("Command24", [&s] { toggle_trigger(s, Trigger::Tone); });
    p.on_press("Command25", [&s] { toggle_trigger(s, Trigger::TimeCode); });
    p.on_press("Command26", [&s] { toggle_trigger(s, Trigger::Gpi); });
    p.on_press("Command27", [&s] { clear_triggers(s); });
    p.on_press("Sound", [&s] { toggle_sound_sync(s); });
}

}  // namespace

// "Go Home", "Flash" and "Light" have no action.
void install_motion_commands(AppState& state) {
    install_playback(state);
    install_positioning(state);
    install_jog_keys(state);
    install_single_frame(state);
    install_triggers(state);
}

}  // namespace kestrova
