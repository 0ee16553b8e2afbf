#pragma once

#include "app/app_state.h"

namespace kestrova {

// The clock's part of single-frame timing, before the engine step.
void single_frame_timer_tick(AppState& state);
// The engine step's part (its second step), only while a run is on.
void single_frame_engine_step(AppState& state);

}  // namespace kestrova
