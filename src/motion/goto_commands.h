// Stepping and going to a frame, a page, the start, typed positions or zero,
// and zeroing the counters. Each sets the engine's positioning state; the
// engine's ramps move the rig over the next steps.
#pragma once

#include <string>

#include "app/app_state.h"

namespace kestrova {

inline constexpr int last_page = 1062;
inline constexpr int first_page_frame = 2001;
inline constexpr int frames_per_page = 16;

// Each returns true when it started a move.
bool step_forward(AppState& state);    // "Step", next frame
bool step_back(AppState& state);       // "Step", previous frame
bool go_to_sub_frame(AppState& state); // the frame in gotoFN
bool go_to_frame(AppState& state);     // the frame in Text18
bool go_to_end(AppState& state);
bool go_to_page(AppState& state);      // the page in Text12
void go_to_start(AppState& state);
bool go_to_position(AppState& state);  // the typed positions posA..posE
void go_to_zero(AppState& state);
// Two presses: the first arms the button ("confirm"), the second zeroes.
void zero_all(AppState& state);

// Change rules.
void frame_box_rule(AppState& state, const std::string& text);  // Text18
void page_box_rule(AppState& state);                              // Text12

// True when the frame has a row in the move tables and lies within the move.
bool is_move_frame(const AppState& state, double frame);

}  // namespace kestrova
