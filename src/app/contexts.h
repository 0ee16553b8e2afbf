// The subsystems' contexts built from the whole-program state, with their
// hooks wired to the subsystems they ask.
#pragma once

#include "app/app_state.h"
#include "axes/axes_context.h"
#include "engine/engine_context.h"
#include "files/files_context.h"
#include "graph/graph_context.h"
#include "motion/motion_context.h"
#include "pad/gamepad.h"

namespace kestrova {

AxesContext axes_context(AppState& state);
GraphContext graph_context(AppState& state);
FilesContext files_context(AppState& state);
EngineContext engine_context(AppState& state);
MotionContext motion_context(AppState& state);
GamepadContext gamepad_context(AppState& state);

}  // namespace kestrova
