#include "motion/triggers.h"

#include <array>

#include "motion/controls.h"
#include "motion/messages.h"

namespace kestrova {

namespace {

constexpr std::array<Trigger, 3> all_triggers = {Trigger::Tone, Trigger::TimeCode, Trigger::Gpi};

bool& flag_of(TriggerState& t, Trigger which) {
    switch (which) {
    case Trigger::Tone: return t.trigtone;
    case Trigger::TimeCode: return t.trigtc;
    case Trigger::Gpi: break;
    }
    return t.triggpi;
}

ControlName button_of(Trigger t) {
    switch (t) {
    case Trigger::Tone: return ctl::tone_trigger_button;
    case Trigger::TimeCode: return ctl::time_code_trigger_button;
    case Trigger::Gpi: break;
    }
    return ctl::gpi_trigger_button;
}

void show(Panel& p, Trigger t, bool on) {
    p.set_caption(button_of(t), on ? motion_msg::trigger_on : motion_msg::trigger_off);
    p.set_colour(button_of(t), on ? colour::green : colour::red);
}

}  // namespace

void toggle_trigger(Panel& panel, TriggerState& triggers, Trigger which) {
    bool& flag = flag_of(triggers, which);
    flag = !flag;
    show(panel, which, flag);
    if (!flag) return;
    for (Trigger other : all_triggers) {
        if (other == which) continue;
        flag_of(triggers, other) = false;
        show(panel, other, false);
    }
}

void clear_triggers(Panel& panel, TriggerState& triggers) {
    for (Trigger t : all_triggers) {
        flag_of(triggers, t) = false;
        show(panel, t, false);
    }
}

void toggle_sound_sync(Panel& panel, SoundSyncState& sync) {
    sync.soundsync = !sync.soundsync;
    panel.set_caption(ctl::sound_sync_button, sync.soundsync ? motion_msg::sound_sync_on : motion_msg::sound_sync_off);
    panel.set_colour(ctl::sound_sync_button, sync.soundsync ? colour::green : colour::red);
}

}  // namespace kestrova
