#include "motion/play_progress.h"

#include <algorithm>

#include "base/numeric.h"
#include "motion/controls.h"
#include "motion/messages.h"

namespace kestrova {

namespace {

constexpr long steps_per_second = 25;  // one step every 40 ms

long seconds_for(long steps) { return (steps + steps_per_second - 1) / steps_per_second; }

std::string playing(const MotionContext& c) {
    const PlaybackState& pl = c.engine.play;
    const int total = c.move.totalframes;
    const int frame = std::clamp(static_cast<int>(c.move.curframe), 1, std::max(total, 1));
    const long div = std::max(1L, static_cast<long>(pl.playdiv));
    // Steps still to come: the rest of this frame, then every later frame at the divider.
    long steps = static_cast<long>(total - frame) * div;
    if (div > 1) steps += std::max(0L, div - pl.divcount);
    return motion_msg::play_progress(frame, total, seconds_for(steps), pl.looping);
}

std::string shooting(const MotionContext& c) {
    const SingleFrameState& sf = c.single_frame;
    const long interval = static_cast<long>(sf.hours * 3600 + sf.minutes * 60 + sf.seconds);
    const double at = c.engine.positioning.gototarget;
    const int shot = static_cast<int>(std::max(0.0, at - c.single_frame.first_frame));
    const long left = static_cast<long>(std::max(0.0, c.move.totalframes - at)) * interval;
    return motion_msg::single_frame_progress(shot, interval, left);
}

}  // namespace

std::string play_progress(const MotionContext& c) {
    if (c.engine.mode == EngineMode::Playing) return playing(c);
    if (single_frame_run(c.engine.mode)) return shooting(c);
    return motion_msg::running_time(c.move.totalframes, seconds_for(c.move.totalframes));
}

}  // namespace kestrova
