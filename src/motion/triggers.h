// The trigger toggles of the "Trigger" frame and the sound-sync toggle.
// Nothing in the program acts on the trigger flags yet.
#pragma once

#include "base/panel.h"
#include "engine/engine_state.h"
#include "motion/motion_state.h"

namespace kestrova {

enum class Trigger { Tone, TimeCode, Gpi };  // Command24, Command25, Command26

// Toggles one trigger; switching one on switches the other two off.
void toggle_trigger(Panel& panel, TriggerState& triggers, Trigger which);
// "clear all triggers": every flag off and every button "N" on red.
void clear_triggers(Panel& panel, TriggerState& triggers);
void toggle_sound_sync(Panel& panel, SoundSyncState& sync);

}  // namespace kestrova
