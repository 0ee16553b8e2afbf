// Dragging a keyframe marker on the chart: where the pointer may take the
// keyframe. Sideways is its frame (whole frames, strictly between its
// neighbours' frames, within the move), up and down its position on the
// dragged line (whole pulses, within the axis's limits).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "axes/axis_settings.h"
#include "move/move_model.h"

namespace kestrova {

// What a modifier held while dragging keeps: Shift the frame, Ctrl the position.
enum class DragKeep { nothing, frame, position };

struct KeyframeGrab {
    int row = 0;          // keyframe row, 1-based
    int axis = 0;         // the dragged line's axis, 0..4
    int frame = 0;        // where the keyframe was
    double position = 0;  // its position on that axis, pulses
    int first = 1, last = 1;  // frames it may take
    double lowest = 0, highest = 0;  // positions it may take
    bool pinned = false;  // its frame is pinned: it keeps its frame
};

struct DragTarget {
    int frame = 0;
    double position = 0;
    bool held_in_time = false;  // the pointer went sideways but the pinned frame held
};

// The keyframe at `frame` taken by its marker on `axis`'s line; none there.
// A keyframe already beyond a limit or past the move's end may stay where it is.
std::optional<KeyframeGrab> grab_keyframe(const MoveModel& move, const AxisSettings& axes,
                                          const std::vector<int>& pinned_frames, int axis, int frame);

// Where the pointer at (`frame`, `position`) in chart values puts the keyframe.
DragTarget drag_target(const KeyframeGrab& grab, double frame, double position, DragKeep keep);

// The status bar's line while dragging, the position in the axis's unit.
std::string drag_text(const KeyframeGrab& grab, const DragTarget& at, const AxisNames& names,
                      const AxisSettings& axes);

// What the chart asks of the program above while a marker is dragged.
struct KeyframeDragHooks {
    std::function<bool(int axis, int frame)> begin;  // false: refused, nothing moves
    // The pointer's frame and position; gives the status bar's line.
    std::function<std::string(double frame, double position, DragKeep keep)> update;
    std::function<void(bool keep)> end;  // keep: the drag becomes a step; else the move is put back
};

}  // namespace kestrova
