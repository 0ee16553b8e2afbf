// What the rig is doing, in one word for the toolbar and the status bar:
// from the engine's mode, the jog keys and pad, and the link.
#pragma once

#include <string>

#include "engine/engine_state.h"

namespace kestrova {

enum class RigActivity { standing, playing, positioning, jogging, single_frame };

RigActivity rig_activity(const EngineState& engine);
// "Playing", "Jogging (off line)", "Off line" when it stands off line.
std::string rig_state_text(RigActivity activity, bool online);

}  // namespace kestrova
