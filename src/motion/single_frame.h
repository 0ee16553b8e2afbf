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
// Ends a run: button "S.F. off" on red, lamp dark. A rig ramping to the
// run's next frame goes on to it.
void end_single_frame(const MotionContext& ctx);
void set_lamp(Panel& panel, bool lit);
bool lamp_lit(const Panel& panel);

enum class IntervalField { Hours, Minutes, Seconds };
ControlName interval_box_name(IntervalField field);
// Change rule of hrset / minset / secset: the value becomes the run's interval field.
void interval_box_rule(Panel& panel, Notices& notices, SingleFrameState& sf, IntervalField field,
                       const std::string& text);
// Change rule of "exposure": the value becomes the run's exposure; one the
// timing cannot use is reported.
void exposure_box_rule(Notices& notices, SingleFrameState& sf, const std::string& text);

}  // namespace kestrova
