#pragma once

#include "move/move_context.h"

namespace kestrova {

// Wire the keyframe, length and "re calc" controls into the main window.
void install_move_commands(const MoveContext& ctx);

}  // namespace kestrova
