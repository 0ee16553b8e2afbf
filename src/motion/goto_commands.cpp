#include "motion/goto_commands.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/numeric.h"
#include "engine/engine_displays.h"
#include "engine/positioning.h"
#include "motion/controls.h"
#include "motion/jog_keys.h"
#include "motion/messages.h"
#include "move/keyframe_editing.h"
#include "move/fkey_status.h"

namespace kestrova {

namespace {

// Reads a box as a whole-text number; a box holding none is put back to its
// default text and the refusal reported.
std::optional<double> read_box(const MotionContext& c, ControlName box, std::string_view what,
                               const char* default_text) {
    if (auto v = num::whole_number(c.panel.text(box))) return v;
    c.panel.set_text(box, default_text);
    c.notices.say(motion_msg::not_a_number(what, default_text));
    return std::nullopt;
}

void clear_atspeed(PositioningState& ps) { ps.atspeed.fill(false); }

// Whether the rig may start a ramp now; says why not.
bool may_ramp(const MotionContext& c, EngineMode to) {
    Result<> r = can_enter(c.engine.mode, to);
    if (!r) c.notices.say(r.error());
    return r.ok();
}
bool may_go_to_frame(const MotionContext& c) { return may_ramp(c, frame_move_mode(c.engine.mode)); }

// Starts the engine's go-to-frame ramp towards gototarget.
void start_frame_move(const MotionContext& c) {
    EngineState& e = c.engine;
    if (enter(e.mode, frame_move_mode(e.mode))) start_ramp(e.positioning);
}

// Starts the engine's positioning ramp towards `goal`.
void start_positioning(const MotionContext& c, PositionGoal goal) {
    EngineState& e = c.engine;
    if (!enter(e.mode, EngineMode::Positioning)) return;
    e.positioning.goal_kind = goal;
    start_ramp(e.positioning);
}

bool refuse_frame(const MotionContext& c, double frame) {
    c.notices.say(motion_msg::no_such_frame(frame, c.move.totalframes));
    return false;
}

void show_page(const MotionContext& c) {
    const double p =
        num::int_floor(std::max(0.0, c.engine.positioning.gototarget - first_page_frame) / frames_per_page);
    show_page_number(c.panel, p);
    c.panel.set_text(ctl::page_box, num::to_text(p));
}

void stop_move_axes(JogState& j) {
    for (int a = 0; a < move_axes; ++a) j.speed[static_cast<std::size_t>(a)] = 0;
}

bool step_by(const MotionContext& c, int delta) {
    if (!may_go_to_frame(c)) return false;
    const auto f = read_box(c, ctl::sub_frame_box, motion_msg::sub_frame_box, "1");
    if (!f) return false;
    if (delta > 0 && !(*f < c.move.totalframes)) {
        c.notices.say(motion_msg::at_last_frame);
        return false;
    }
    if (delta < 0 && !(*f > 1)) {
        c.notices.say(motion_msg::at_first_frame);
        return false;
    }
    const std::string next = num::to_text(*f + delta);
    c.panel.set_text(ctl::sub_frame_box, next);
    c.panel.set_text(ctl::go_to_frame_box, next);
    const bool started = go_to_sub_frame(c);
    show_page(c);
    return started;
}

}  // namespace

bool is_move_frame(const MoveModel& move, double frame) {
    return frame == std::floor(frame) && frame >= 1 && frame <= move.totalframes &&
           move.movepos.has_frame(static_cast<int>(frame));
}

bool step_forward(const MotionContext& c) { return step_by(c, +1); }
bool step_back(const MotionContext& c) { return step_by(c, -1); }

bool go_to_sub_frame(const MotionContext& c) {
    if (!may_go_to_frame(c)) return false;
    disable_fkeys(c.panel);
    const auto f = read_box(c, ctl::sub_frame_box, motion_msg::sub_frame_box, "1");
    if (!f) return false;
    double target = *f;
    if (target <= 0) {
        target = 1;
        c.panel.set_text(ctl::sub_frame_box, "1");
    }
    if (!is_move_frame(c.move, target)) return refuse_frame(c, target);
    c.engine.positioning.gototarget = target;
    start_frame_move(c);
    stop_move_axes(c.engine.jog);
    return true;
}

bool go_to_frame(const MotionContext& c) {
    if (!may_go_to_frame(c)) return false;
    disable_fkeys(c.panel);
    const auto t = read_box(c, ctl::go_to_frame_box, motion_msg::frame_box, "1");
    if (!t) return false;
    double target = *t;
    if (target >= c.move.totalframes + 1) {
        target = c.move.totalframes;
        c.panel.set_text(ctl::go_to_frame_box, num::to_text(target));
    }
    // Frame 0 and below have no row either.
    if (!is_move_frame(c.move, target)) return refuse_frame(c, target);
    PositioningState& ps = c.engine.positioning;
    ps.gototarget = target;
    c.panel.set_text(ctl::sub_frame_box, num::to_text(target));
    start_frame_move(c);
    stop_move_axes(c.engine.jog);
    return true;
}

bool go_to_end(const MotionContext& c) {
    if (!may_go_to_frame(c)) return false;
    c.panel.set_text(ctl::go_to_frame_box, num::to_text(c.move.totalframes));
    return go_to_frame(c);
}

bool go_to_page(const MotionContext& c) {
    if (!may_go_to_frame(c)) return false;
    disable_fkeys(c.panel);
    const auto read = read_box(c, ctl::page_box, motion_msg::page_box, "0");
    if (!read) return false;
    double page = *read;
    if (page <= -1) {
        page = 0;
        c.panel.set_text(ctl::page_box, "0");
    } else if (page >= last_page) {
        page = last_page;
        c.panel.set_text(ctl::page_box, num::to_text(last_page));
    }
    const double target = page * frames_per_page + first_page_frame;
    if (!is_move_frame(c.move, target)) return refuse_frame(c, target);
    PositioningState& ps = c.engine.positioning;
    ps.gototarget = target;
    c.panel.set_text(ctl::sub_frame_box, num::to_text(target));
    start_frame_move(c);
    c.engine.jog.speed[0] = 0;
    return true;
}

void go_to_start(const MotionContext& c) {
    if (!may_ramp(c, EngineMode::Positioning)) return;
    disable_fkeys(c.panel);
    start_positioning(c, PositionGoal::Start);
    show_position_frame(c.panel, 1);
    c.panel.set_text(ctl::go_to_frame_box, "1");
    c.panel.set_text(ctl::sub_frame_box, "1");
    c.move.curframe = 1;
    show_frame_bar(c.panel, 1);
}

bool go_to_position(const MotionContext& c) {
    if (!may_ramp(c, EngineMode::Positioning)) return false;
    EngineState& e = c.engine;
    PositioningState& ps = e.positioning;
    double largest = 0;
    for (int a = 0; a < move_axes; ++a) {
        const auto i = static_cast<std::size_t>(a);
        // The boxes show units; goals are in pulses and inside the limits, or
        // the ramp and the limit clamp would fight for ever.
        const double units = c.entries.position_units[i];
        ps.target[i] = std::clamp(units * position_scale(c.axes, a), c.axes.min[i], c.axes.max[i]);
        largest = std::max(largest, std::fabs(ps.target[i] - e.curpos[i]));
    }
    disable_fkeys(c.panel);
    clear_atspeed(ps);
    if (num::int_floor(num::int_floor(largest) / 10) <= 0) {
        c.notices.say(motion_msg::nothing_to_position);
        return false;
    }
    start_positioning(c, PositionGoal::Typed);
    return true;
}

void go_to_zero(const MotionContext& c) {
    if (!may_ramp(c, EngineMode::Positioning)) return;
    disable_fkeys(c.panel);
    start_positioning(c, PositionGoal::Zero);
    c.panel.set_text(ctl::go_to_frame_box, "1");
    c.panel.set_text(ctl::sub_frame_box, "1");
    show_frame_bar(c.panel, 1);
}

void zero_all(const MotionContext& c) {
    Panel& p = c.panel;
    disable_fkeys(p);
    bool& armed = c.entries.zero_all_armed;
    if (!armed) {
        armed = true;
        p.set_caption(ctl::zero_all_button, motion_msg::zero_all_armed);
        return;
    }
    for (std::size_t a = 0; a < move_axes; ++a) {
        c.engine.curpos[a] = 0;
        show_position_text(p, static_cast<int>(a), "0");
    }
    c.link.resetreq = true;
    armed = false;
    p.set_caption(ctl::zero_all_button, motion_msg::zero_all_caption);
}

void frame_box_rule(const MotionContext& c, const std::string& text) {
    const double v = num::val(text);
    if (v > 0 && v < c.move.totalframes + 1) {
        c.engine.positioning.frame_box = v;
        return;
    }
    c.panel.set_text(ctl::go_to_frame_box, "1");
    c.notices.say(motion_msg::out_of_range(motion_msg::frame_box, "1 to " + num::to_text(c.move.totalframes), "1"));
}

void page_box_rule(Panel& panel) { disable_fkeys(panel); }

}  // namespace kestrova
