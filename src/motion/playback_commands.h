// Play, stop, loop and the play-back speed divider. The handlers only set
// engine state; the next engine step plays the move.
#pragma once

#include <string>

#include "app/app_state.h"

namespace kestrova {

// "Run": starts play-back from frame 1 when every move axis stands at its
// first keyframe; otherwise shows the "Not at Start" warning. True when started.
bool run_move(AppState& state);
// "Stop": ends play-back, every positioning move, looping and single frame.
void stop_all(AppState& state);
void toggle_loop(AppState& state);
// "Play Back Speed": the divider in Text6 becomes the play-back divider.
void set_play_speed(AppState& state);
// "Reset": ask the controller to zero its counters with the next message.
void request_counter_reset(AppState& state);

// Change rule of Text6: a whole divider 1..1000, otherwise "1".
void divider_box_rule(AppState& state, const std::string& text);

}  // namespace kestrova
