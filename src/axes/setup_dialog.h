#pragma once

#include "app/app_state.h"

namespace kestrova {

// "Setup": fill the dialog's boxes from the settings and show it.
void open_setup_dialog(AppState& state);

// Copy the setup dialog's boxes into the axis settings (run by the engine when
// the hidden box "setupfix" reads "1"). Values that cannot be held (limits
// beyond the controller's range, pulses per unit of 0, a speed or acceleration
// of 0 or below, an axis-H value beyond
// its whole-number type) refuse the whole apply with a message: nothing
// changes and the dialog opens again with the typed values.
bool apply_setup_dialog(AppState& state);

}  // namespace kestrova
