// Ramped positioning moves of axes A..G: accelerate to the maximum speed,
// cruise, brake so as to stop on the goal.
#pragma once

#include "engine/engine_context.h"

namespace kestrova {

enum class PositioningKind {
    ToStart,  // go to start / go to zero / go to typed positions (`posmoving`)
    ToFrame,  // go to frame (`gotoactive`)
};

// One engine step of the move; the first step (gotophase = 1) fixes goals,
// midpoints and start positions. Clears the move's flag on arrival.
void positioning_step(const EngineContext& ctx, PositioningKind kind);

// Where a move to `frame` takes axis `axis`: the frame's whole-number position,
// inside the axis limits (0 while the move has no rows). "Go to start" drives
// to frame 1's goals, so Run tests and slow play starts from them.
double frame_goal(const MoveModel& move, const AxisSettings& axes, int frame, int axis);

}  // namespace kestrova
