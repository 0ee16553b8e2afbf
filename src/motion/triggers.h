// The trigger toggles of the "Trigger" frame and the sound-sync toggle.
// Nothing in the program acts on the trigger flags yet.
#pragma once

#include "app/app_state.h"

namespace kestrova {

enum class Trigger { Tone, TimeCode, Gpi };  // Command24, Command25, Command26

// Toggles one trigger; switching one on switches the other two off.
void toggle_trigger(AppState& state, Trigger which);
// "clear all triggers": every flag off and every button "N" on red.
void clear_triggers(AppState& state);
void toggle_sound_sync(AppState& state);

}  // namespace kestrova
