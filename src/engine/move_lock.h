// While the rig follows the move (play-back, slow play, a loop's return, a
// positioning move or a single-frame run), the move it is sent from stays as
// it is: every edit waits until the rig stands still. Jogging is not locked:
// the operator jogs to a pose to store it as a keyframe.
#pragma once

#include "base/result.h"
#include "engine/engine_state.h"

namespace kestrova {

bool rig_follows_move(const EngineState& engine);

// Fails, saying why, while the rig follows the move.
Result<> may_change_move(const EngineState& engine);

}  // namespace kestrova
