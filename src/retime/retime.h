// Retiming a move: the same path, played at a new pace. The path is the
// per-frame table as it will be played, piecewise linear between its frames;
// a new frame always lies on it, in order, and every keyframe's pose is
// reached exactly on a frame of its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "axes/axis_settings.h"
#include "base/result.h"
#include "move/move_model.h"

namespace kestrova {

struct RetimeRequest {
    const MoveModel& move;
    const AxisSettings& axes;
    std::vector<int> pinned;  // keyframe rows (from 1) whose frames must stay
    double share = 1.0;       // of the speed and acceleration limits, e.g. 0.9 for a margin
    int divider = 1;          // messages per frame when played
    // The rig is sent whole pulses: a sent step may be a pulse longer, and a
    // change of step two pulses larger, than planned. A retimed move is then
    // planned within limits lessened by that, so what the rig is sent keeps them.
    bool whole_pulses = false;
};

struct Retimed {
    FrameTable movepos;                          // new_length rows
    std::vector<double> along;                   // where new frame g lies on the old path, an old frame (with a fraction) at [g - 1]
    std::vector<std::int32_t> keyframe_frames;   // new frame of keyframe row k at [k - 1]
    int old_length = 0;
    int new_length = 0;
    int keyframes_moved = 0;
    bool changed = false;
};

// The least change that makes the move check find nothing: only what the rig
// cannot follow is slowed, never anything sped up. A move the check passes
// comes back as it was.
Result<Retimed> fit_move(const RetimeRequest& request);

// The shortest move along the same path within the limits.
Result<Retimed> fit_fastest(const RetimeRequest& request);

// The same path in new_length frames at an even pace, keyframes moved in proportion.
Result<Retimed> stretch_move(const RetimeRequest& request, int new_length);

// Put a retimed move into the model: length, tables, keyframe frames.
void apply_retimed(MoveModel& move, const Retimed& retimed);

// One line for the operator, e.g. "Fit to rig: 250 → 318 frames, +2.7 s; 2 keyframes moved".
std::string retime_summary(const std::string& what, const Retimed& retimed);

}  // namespace kestrova
