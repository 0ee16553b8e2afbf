#pragma once

#include "move/move_context.h"

namespace kestrova {

// Wire the keyframe, length and "re calc" controls into the main window; the
// Position and Total frames boxes keep `entries` (the context's) up to date.
void install_move_commands(const MoveContext& ctx, MoveEntries& entries);

}  // namespace kestrova
