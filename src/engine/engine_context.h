// What the frame engine works on: its own state, the link's message choices,
// the move it plays, the axis settings it obeys and the boxes it shows them in.
#pragma once


#include "axes/axis_settings.h"
#include "base/events.h"
#include "base/notices.h"
#include "base/panel.h"
#include "engine/engine_state.h"
#include "link/link_state.h"
#include "move/move_model.h"

namespace kestrova {

struct EngineContext {
    EngineState& engine;
    LinkState& link;
    MoveModel& move;  // read, and the current frame set
    const AxisSettings& axes;
    Panel& panel;
    Notices& notices;
    Events& events;  // the setup dialog's values are due
};

}  // namespace kestrova
