// The move check: does the move, played as the engine plays it, stay within
// what every move axis can do?
//
// Units are the engine's: one message every 40 ms. A frame of the move takes
// `divider` messages and the engine spreads its step evenly over them, so the
// speed per message is the frame's step divided by the divider. The engine
// clamps every target to the axis limits, so steps are measured between the
// clamped targets (a stretch held at a limit is a position finding, not a speed
// one). The rig stands still before the first frame and after the last, so the
// first step is a change from rest and the last frame ends with a stop.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "axes/axis_settings.h"
#include "move/move_model.h"

namespace kestrova {

enum class FindingKind { position_limit, speed, acceleration };

struct CheckFinding {
    FindingKind kind = FindingKind::speed;
    int first = 0;  // frames first..last, each breaking the limit
    int last = 0;
    // position_limit: the position farthest beyond the limit, and that limit.
    // speed, acceleration: the largest step (change of step) per message in
    // pulses, and the axis's maximum speed (acceleration).
    double worst = 0;
    double limit = 0;

    // How many times the limit (speed and acceleration findings).
    double ratio() const;
    // How far beyond the limit, in the finding's unit; orders findings of a kind.
    double excess() const;
};

struct MoveCheck {
    std::array<std::vector<CheckFinding>, move_axes> axes;  // per move axis, in frame order per kind

    bool ok() const;
    // A position limit or the maximum speed is broken: ask before playing.
    // Acceleration findings inform only.
    bool needs_confirmation() const;
};

// Check frames 1..totalframes (as far as the tables reach) of every move axis.
// A divider below 1 counts as 1.
MoveCheck check_move(const MoveModel& move, const AxisSettings& axes, int divider);

// One line: "Move check: OK", or the most serious finding (a position limit
// before the speed before the acceleration, the worst of its kind) and how many
// more there are. An empty axis name is shown as the axis letter.
std::string check_summary(const MoveCheck& check, const std::array<std::string, move_axes>& axis_names);

}  // namespace kestrova
