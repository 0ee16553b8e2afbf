#include "pad/gamepad.h"

#include <algorithm>

#include "base/numeric.h"
#include "move/fkey_status.h"
#include "move/keyframe_editing.h"
#include "pad/messages.h"
#include "pad/pad_targets.h"

namespace kestrova {

namespace {

// The commands a button runs switch F-key jogging off because clicking moves
// the keyboard focus; a pad button moves no focus, so jogging stays on.
void press_keeping_fkeys(Panel& panel, ControlName button) {
    const bool was_on = fkeys_enabled(panel);
    panel.press(button);
    if (was_on && !fkeys_enabled(panel)) enable_fkeys_display(panel);
}

}  // namespace

void Gamepad::set_settings(const PadSettings& s) {
    if (s == settings_) return;
    settings_ = s;
    if (settings_changed) settings_changed(settings_);
}

std::string Gamepad::status() const { return connected_ ? pad_msg::status(name_) : std::string(); }

void Gamepad::connection(const PadPoll& poll, const GamepadContext& c) {
    const bool now = poll.reading.has_value();
    if (now && (!connected_ || poll.name != name_)) c.notices.say(pad_msg::connected(poll.name));
    if (!now && connected_) c.notices.say(pad_msg::disconnected(name_));
    connected_ = now;
    name_ = now ? poll.name : std::string();
}

void Gamepad::tick(const PadPoll& poll, const GamepadContext& c) {
    connection(poll, c);
    PadJog& pad = c.engine.jog.pad;
    if (!poll.reading) {
        pad.target.fill(0);  // unplugged: its axes coast to rest
        held_.fill(false);
        return;
    }
    const PadReading& r = *poll.reading;
    std::array<bool, pad_button_count> pressed{};
    for (std::size_t b = 0; b < pressed.size(); ++b) pressed[b] = r.buttons[b] && !held_[b];
    held_ = r.buttons;
    auto was_pressed = [&](PadButton b) { return pressed[static_cast<std::size_t>(b)]; };

    if (was_pressed(PadButton::b)) c.panel.press(c.controls.stop);
    const bool dead_man = r.held(settings_.dead_man);
    if (!dead_man) pad.halted = false;
    const bool fkeys_on = fkeys_enabled(c.panel);
    if (fkeys_on) {
        told_fkeys_off_ = false;
    } else if (dead_man && !told_fkeys_off_) {
        c.notices.say(pad_msg::off_while_fkeys_disabled);
        told_fkeys_off_ = true;
    }
    const bool live = poll.window_active && fkeys_on && dead_man && !pad.halted;
    if (!live) {
        pad.target.fill(0);
        return;
    }
    pad.target = pad_targets(r, settings_, c.axes);
    if (was_pressed(PadButton::a)) add_keyframe_and_advance(c);
    if (was_pressed(PadButton::x)) go_to_neighbour(c, -1);
    if (was_pressed(PadButton::y)) go_to_neighbour(c, +1);
}

void Gamepad::add_keyframe_and_advance(const GamepadContext& c) {
    const int before = c.move.keyframe_count();
    press_keeping_fkeys(c.panel, c.controls.add_keyframe);
    if (c.move.keyframe_count() == before) return;  // refused; the command said why
    const double at = c.entries.position_prefix;
    const double next = std::min(at + settings_.keyframe_step, static_cast<double>(c.move.totalframes));
    enter_position(c.panel, next);
}

void Gamepad::go_to_neighbour(const GamepadContext& c, int direction) {
    const double at = c.entries.position_prefix;
    std::optional<double> found;
    for (int row = 1; row <= c.move.keyframe_count(); ++row) {
        const double f = c.move.frame_of(0, row);
        const bool beyond = direction < 0 ? f < at : f > at;
        if (beyond && (!found || (direction < 0 ? f > *found : f < *found))) found = f;
    }
    if (!found) {
        c.notices.say(direction < 0 ? pad_msg::no_keyframe_before(at) : pad_msg::no_keyframe_after(at));
        return;
    }
    c.panel.set_text(c.controls.go_to_frame_box, num::to_text(*found));
    press_keeping_fkeys(c.panel, c.controls.go_to_frame);
    if (c.engine.mode == EngineMode::GoingToFrame || c.engine.mode == EngineMode::SingleFrameStep)
        enter_position(c.panel, *found);
}

}  // namespace kestrova
