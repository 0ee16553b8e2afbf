// Play, stop, loop and the play-back speed divider. The handlers only set
// engine state; the next engine step plays the move.
#pragma once

#include <optional>
#include <string>

#include "link/wire_message.h"

#include "motion/motion_context.h"

namespace kestrova {

// "Run": starts play-back from frame 1 when every move axis stands where "go
// to start" drives it (frame 1's whole-number goals); otherwise shows the "Not
// at Start" warning. The `before_play` hook may ask first. True when started.
bool run_move(const MotionContext& ctx);
// "Stop": ends play-back, every positioning move, looping and single frame.
void stop_all(const MotionContext& ctx);
// Escape: everything Stop ends, and every F key let go with the jog speeds at
// 0, so nothing moves after the next step.
void stop_everything(const MotionContext& ctx);
// The port was lost: play-back, positioning, jogging and single frame stop,
// and the present positions become those of the last message the rig took
// (`last_taken`; the last one built when it took none), so nothing moves when
// the line comes back.
void stop_motion_keep_positions(const MotionContext& ctx, const std::optional<Decoded>& last_taken);
// The rig stopped reading: everything stops as Stop stops it, every F key is
// let go, and the present positions are held as above.
void stop_for_stalled_rig(const MotionContext& ctx, const std::optional<Decoded>& last_taken);
void toggle_loop(Panel& panel, PlaybackState& play);
// "Play Back Speed": the divider in Text6 becomes the play-back divider.
void set_play_speed(PlaybackState& play);
// "Reset": ask the controller to zero its counters with the next message.
void request_counter_reset(LinkState& link);

// Change rule of Text6: a whole divider 1..1000, otherwise "1".
void divider_box_rule(Panel& panel, Notices& notices, PlaybackState& play, const std::string& text);

}  // namespace kestrova
