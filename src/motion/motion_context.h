// What the motion commands work on: the engine's state they set, the move
// they go to, the axis settings they read (and the F speeds they take from
// their boxes), the boxes and the status bar.
#pragma once

#include <functional>

#include "axes/axis_settings.h"
#include "base/notices.h"
#include "base/panel.h"
#include "engine/engine_state.h"
#include "link/link_state.h"
#include "motion/motion_state.h"
#include "move/move_entries.h"
#include "move/move_model.h"

namespace kestrova {

struct MotionHooks {
    // Asked before play-back starts: calls `play` now, later (after a
    // question) or never (the operator declined).
    std::function<void(std::function<void()> play)> before_play;
};

struct MotionContext {
    EngineState& engine;
    SingleFrameState& single_frame;
    MotionEntries& entries;
    const MoveEntries& move_entries;  // the Position box's frame, as read
    LinkState& link;
    MoveModel& move;
    AxisSettings& axes;
    Panel& panel;
    Notices& notices;
    MotionHooks hooks;
};

}  // namespace kestrova
