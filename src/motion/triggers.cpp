#include "motion/triggers.h"

#include <array>

namespace kestrova {

namespace {

constexpr std::array<Trigger, 3> all_triggers = {Trigger::Tone, Trigger::TimeCode, Trigger::Gpi};

bool& flag_of(EngineState& e, Trigger t) {
    switch (t) {
    case Trigger::Tone: return e.trigtone;
    case Trigger::TimeCode: return e.trigtc;
    case Trigger::Gpi: break;
    }
    return e.triggpi;
}

const char* button_of(Trigger t) {
    switch (t) {
    case Trigger::Tone: return "Command24";
    case Trigger::TimeCode: return "Command25";
    case Trigger::Gpi: break;
    }
    return "Command26";
}

void show(AppState& s, Trigger t, bool on) {
    s.panel.set_caption(button_of(t), on ? "Y" : "N");
    s.panel.set_colour(button_of(t), on ? colour::green : colour::red);
}

}  // namespace

void toggle_trigger(AppState& s, Trigger which) {
    bool& flag = flag_of(s.engine, which);
    flag = !flag;
    show(s, which, flag);
    if (!flag) return;
    for (Trigger other : all_triggers) {
        if (other == which) continue;
        flag_of(s.engine, other) = false;
        show(s, other, false);
    }
}

void clear_triggers(AppState& s) {
    for (Trigger t : all_triggers) {
        flag_of(s.engine, t) = false;
        show(s, t, false);
    }
}

void toggle_sound_sync(AppState& s) {
    EngineState& e = s.engine;
    e.soundsync = !e.soundsync;
    s.panel.set_caption("Sound", e.soundsync ? "Sound Sync - On" : "Sound Sync - Off");
    s.panel.set_colour("Sound", e.soundsync ? colour::green : colour::red);
}

}  // namespace kestrova
