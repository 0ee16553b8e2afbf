// The one place where what the lower layers posted reaches the layers above.
#pragma once

#include "app/app_state.h"

namespace kestrova {

// Runs after every operator command and every 40 ms step, before it returns.
void dispatch_events(AppState& state);

}  // namespace kestrova
