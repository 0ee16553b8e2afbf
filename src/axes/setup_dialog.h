#pragma once

#include "shell/app_state.h"

namespace kestrova {

// Copy the setup dialog's boxes into the axis settings (run by the engine when
// the hidden box "setupfix" reads "1").
void apply_setup_dialog(AppState& state);

}  // namespace kestrova
