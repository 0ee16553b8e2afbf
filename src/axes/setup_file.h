#pragma once

#include "shell/app_state.h"

namespace kestrova {

// Read "stats.ini" from the working directory into the axis names and settings
// (start-up and "Load Setup").
void load_setup(AppState& state);

}  // namespace kestrova
