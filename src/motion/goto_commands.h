// Stepping and going to a frame, a page, the start, typed positions or zero,
// and zeroing the counters. Each sets the engine's positioning state; the
// engine's ramps move the rig over the next steps.
#pragma once

#include <string>

#include "motion/motion_context.h"

namespace kestrova {

inline constexpr int last_page = 1062;
inline constexpr int first_page_frame = 2001;
inline constexpr int frames_per_page = 16;

// Each returns true when it started a move.
bool step_forward(const MotionContext& ctx);    // "Step", next frame
bool step_back(const MotionContext& ctx);       // "Step", previous frame
bool go_to_sub_frame(const MotionContext& ctx); // the frame in gotoFN
bool go_to_frame(const MotionContext& ctx);     // the frame in Text18
bool go_to_end(const MotionContext& ctx);
bool go_to_page(const MotionContext& ctx);      // the page in Text12
void go_to_start(const MotionContext& ctx);
bool go_to_position(const MotionContext& ctx);  // the typed positions posA..posE
void go_to_zero(const MotionContext& ctx);
// Two presses: the first arms the button ("confirm"), the second zeroes.
void zero_all(const MotionContext& ctx);

// Change rules.
void frame_box_rule(const MotionContext& ctx, const std::string& text);  // Text18
void page_box_rule(Panel& panel);                                         // Text12

// True when the frame has a row in the move tables and lies within the move.
bool is_move_frame(const MoveModel& move, double frame);

}  // namespace kestrova
