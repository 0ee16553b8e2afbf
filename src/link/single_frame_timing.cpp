#include "link/single_frame_timing.h"

namespace kestrova {

void single_frame_timer_tick(AppState&) {}
void single_frame_engine_step(AppState&) {}

}  // namespace kestrova
