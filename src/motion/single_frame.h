// The single-frame (time-lapse) controls: the start/stop button, the interval
// and exposure boxes and the frame lamp. The timing itself runs on the clock.
#pragma once

#include <string>

#include "app/app_state.h"

namespace kestrova {

inline constexpr double exposure_limit = 30000;  // exposures run 1..29999 ticks

// "setsingle": toggles the run when an interval is set; starts at the frame
// in the Position box (Text1).
void toggle_single_frame(AppState& state);
// Ends a run: button "S.F. off" on red, lamp dark.
void end_single_frame(AppState& state);
void set_lamp(AppState& state, bool lit);
bool lamp_lit(const AppState& state);

enum class IntervalField { Hours, Minutes, Seconds };
// Change rule of hrset / minset / secset.
void interval_box_rule(AppState& state, IntervalField field, const std::string& text);
// Change rule of "exposure": reports a value the timing cannot use.
void exposure_box_rule(AppState& state, const std::string& text);

}  // namespace kestrova
