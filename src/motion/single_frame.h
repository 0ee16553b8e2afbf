// The single-frame (time-lapse) controls: the start/stop button, the interval
// and exposure boxes and the frame lamp. The timing itself runs on the clock.
#pragma once

#include <string>

#include "base/notices.h"
#include "base/panel.h"
#include "motion/motion_context.h"

namespace kestrova {

inline constexpr double exposure_limit = 30000;  // exposures run 1..29999 ticks

// "setsingle": toggles the run when an interval is set; starts at the frame
// in the Position box (Text1).
void toggle_single_frame(const MotionContext& ctx);
// Ends a run: button "S.F. off" on red, lamp dark.
void end_single_frame(Panel& panel, SingleFrameState& sf);
void set_lamp(Panel& panel, bool lit);
bool lamp_lit(const Panel& panel);

enum class IntervalField { Hours, Minutes, Seconds };
// Change rule of hrset / minset / secset.
void interval_box_rule(Panel& panel, Notices& notices, IntervalField field, const std::string& text);
// Change rule of "exposure": reports a value the timing cannot use.
void exposure_box_rule(Notices& notices, const std::string& text);

}  // namespace kestrova
