// Single-frame timing: the interval is counted on the clock, the exposure in
// the engine's steps; after each exposure the rig steps one frame on.
#pragma once

#include "motion/motion_context.h"

namespace kestrova {

// The clock's part, before the engine step.
void single_frame_timer_tick(const MotionContext& ctx);
// The engine step's part (its second step); nothing unless a run is on.
void single_frame_engine_step(const MotionContext& ctx);

}  // namespace kestrova
