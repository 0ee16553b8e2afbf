// A keyframe marker dragged on the chart. While the pointer moves, the move
// is reshaped from the copy taken at the press, with no history; the release
// applies the last edit once from that copy, as one undoable step with the
// checks and messages of a keyframe table edit. Cancelling puts the copy back.
#pragma once

#include <optional>
#include <string>

#include "app/app_state.h"
#include "graph/keyframe_drag.h"

namespace kestrova {

class KeyframeDrag {
public:
    explicit KeyframeDrag(AppState& state) : s_(state) {}

    // Take the keyframe at `frame` by its marker on `axis`'s line. Refused,
    // saying why, while the rig follows the move.
    bool begin(int axis, int frame);
    // The pointer at (frame, position) in chart values: the move reshaped
    // there. Gives the status bar's line.
    std::string update(double frame, double position, DragKeep keep);
    // Release (`keep`) or cancel.
    void end(bool keep);
    bool active() const { return grab_.has_value(); }

private:
    // The edit of the keyframe to `to`, applied to the move as the copy, then
    // shaped as the move was.
    Result<> apply(const DragTarget& to);
    // The same edit's outcome while dragging, quicker: no history, no lists,
    // only what the edit changes put back from the copy; then drawn.
    void reshape(const DragTarget& to);

    AppState& s_;
    std::optional<KeyframeGrab> grab_;
    MoveModel before_;
    DragTarget target_;
    bool bezier_ = false;  // the move was Bezier-shaped: it is shaped so again
    double share_ = 20;
    bool pinned_said_ = false;
};

// A drag in progress ends as cancelled: the move as it was before it.
void cancel_keyframe_drag(AppState& state);

// The chart's hooks, sharing one drag (kept in the state for cancel_keyframe_drag).
KeyframeDragHooks keyframe_drag_hooks(AppState& state);

}  // namespace kestrova
