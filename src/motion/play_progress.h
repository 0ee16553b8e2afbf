// The progress line of the status area: how far play-back or a single-frame
// run has come and how long it still takes, or the move's running time when
// nothing plays.
#pragma once

#include <string>

#include "motion/motion_context.h"

namespace kestrova {

std::string play_progress(const MotionContext& ctx);

}  // namespace kestrova
