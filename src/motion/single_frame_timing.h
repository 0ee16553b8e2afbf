// Single-frame timing: the interval is counted on the clock, the exposure in
// the engine's steps; after each exposure the rig steps one frame on.
#pragma once

#include "motion/motion_context.h"

namespace kestrova {

// One 40 ms tick of a run, before the engine step: the interval counter, then
// the lamp and the exposure, which steps the rig on. Nothing unless a run is on.
void single_frame_tick(const MotionContext& ctx);

}  // namespace kestrova
