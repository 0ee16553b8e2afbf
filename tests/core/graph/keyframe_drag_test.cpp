#include <gtest/gtest.h>

#include <tuple>

#include "graph/keyframe_drag.h"

using namespace kestrova;

namespace {

// Keyframes at frames 10, 20 and 30 of 40, every axis at 100, 200, 300.
MoveModel three_keyframes() {
    MoveModel m;
    std::tie(m.totalframes, m.nextkf) = std::pair(40, 4);
    for (int row = 1; row <= 3; ++row)
        for (int a = 0; a < move_axes; ++a)
            std::tie(m.frame_of(a, row), m.pos_of(a, row)) = std::pair(10 * row, 100 * row);
    return m;
}

}  // namespace

// Where the pointer takes a keyframe: whole frames strictly between its
// neighbours and within the move, whole pulses within the axis's limits,
// Shift keeps the frame, Ctrl the position, a pinned frame holds.
TEST(KeyframeDrag, StaysBetweenItsNeighboursAndWithinTheLimits) {
    const MoveModel m = three_keyframes();
    AxisSettings axes = AxisSettings::defaults();
    axes.min[1] = -500;
    axes.max[1] = 250;
    struct Case {  // the keyframe taken, where the pointer takes it, where it goes
        int frame;
        double to_frame, to_position;
        DragKeep keep;
        int frame_then;
        double position_then;
    } cases[] = {
        {20, 14.6, 180.4, DragKeep::nothing, 15, 180},  // rounded to whole frames and pulses
        {20, 3, 900, DragKeep::nothing, 11, 250},       // not onto the left neighbour; the top limit
        {20, 35, -900, DragKeep::nothing, 29, -500},    // not onto the right neighbour; the bottom limit
        {10, -5, 100, DragKeep::nothing, 1, 100},       // the first keyframe: down to frame 1
        {30, 99, 300, DragKeep::nothing, 40, 300},      // the last: to the end; beyond the limit already, it may stay
        {30, 35, 400, DragKeep::nothing, 35, 300},      // ... but goes no further out
        {20, 25, 150, DragKeep::frame, 20, 150},        // Shift: vertical only
        {20, 25, 150, DragKeep::position, 25, 200},     // Ctrl: horizontal only
    };
    for (const Case& c : cases) {
        const KeyframeGrab grab = grab_keyframe(m, axes, {}, 1, c.frame).value();
        const DragTarget t = drag_target(grab, c.to_frame, c.to_position, c.keep);
        EXPECT_EQ(std::tuple(t.frame, t.position, t.held_in_time), std::tuple(c.frame_then, c.position_then, false))
            << c.frame << " to " << c.to_frame << ", " << c.to_position;
    }
    EXPECT_FALSE(grab_keyframe(m, axes, {}, 1, 15));  // no keyframe there

    const KeyframeGrab pinned = grab_keyframe(m, axes, {5, 20}, 1, 20).value();
    const DragTarget held = drag_target(pinned, 25, 150, DragKeep::nothing);
    EXPECT_EQ(std::tuple(held.frame, held.position, held.held_in_time), std::tuple(20, 150.0, true));  // up, down only
    EXPECT_FALSE(drag_target(pinned, 20.2, 150, DragKeep::nothing).held_in_time);
    axes.unit[1] = "mm";
    axes.pp_rev[1] = 100;
    EXPECT_EQ(drag_text(pinned, held, AxisNames{"", "Tilt"}, axes), "keyframe 2: frame 20, Tilt 1.50 mm");
}
