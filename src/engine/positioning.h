// Ramped positioning moves of axes A..G: accelerate to the maximum speed,
// cruise, brake so as to stop on the goal.
#pragma once

#include "engine/engine_context.h"

namespace kestrova {

// The next step of a ramping mode fixes the goals anew.
inline void start_ramp(PositioningState& ps) {
    ps.ramp_step = 1;
    ps.atspeed.fill(false);
}

// One engine step of the ramping mode's move; the first step fixes goals,
// midpoints and start positions. On arrival the mode moves on: to Idle, to the
// run's standing mode, or to Playing when a looping move is back at its start.
void positioning_step(const EngineContext& ctx);

// Where a move to `frame` takes axis `axis`: the frame's whole-number position,
// inside the axis limits (0 while the move has no rows). "Go to start" drives
// to frame 1's goals, so Run tests and slow play starts from them.
double frame_goal(const MoveModel& move, const AxisSettings& axes, int frame, int axis);

}  // namespace kestrova
