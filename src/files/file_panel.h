#pragma once

#include "shell/app_state.h"

namespace kestrova {

// Point the folder list at "moves" under the working directory (start-up).
void show_moves_folder(AppState& state);

}  // namespace kestrova
