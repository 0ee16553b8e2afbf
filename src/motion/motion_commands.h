#pragma once

#include "motion/motion_context.h"

namespace kestrova {

// Wire this subsystem's buttons, key handlers and box rules into the panel.
void install_motion_commands(const MotionContext& ctx, TriggerState& triggers);

}  // namespace kestrova
