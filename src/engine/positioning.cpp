#include "engine/positioning.h"

#include <algorithm>
#include <cmath>

#include "base/numeric.h"
#include "engine/controls.h"
#include "engine/engine_displays.h"
#include "move/keyframe_editing.h"

namespace kestrova {

namespace {

// Goals are whole numbers inside the axis limits, so the move always arrives.
double clamp_goal(const AxisSettings& ax, std::size_t i, double goal) {
    const double lo = std::ceil(ax.min[i]);
    const double hi = std::floor(ax.max[i]);
    return lo <= hi ? std::clamp(goal, lo, hi) : goal;
}

}  // namespace

double frame_goal(const MoveModel& m, const AxisSettings& ax, int frame, int axis) {
    const auto i = static_cast<std::size_t>(axis);
    return clamp_goal(ax, i, m.rows() < 1 ? 0 : num::int_floor(m.movepos.at(frame, axis)));
}

namespace {

enum class PositioningKind { ToStart, ToFrame };

int target_frame(const EngineContext& c) {
    const double f = num::int_floor(c.engine.positioning.gototarget);
    return static_cast<int>(std::clamp(f, 1.0, static_cast<double>(std::max(1, c.move.rows()))));
}

void start_move(const EngineContext& c, PositioningKind kind) {
    EngineState& e = c.engine;
    PositioningState& ps = e.positioning;
    const MoveModel& m = c.move;
    const int frame = kind == PositioningKind::ToStart ? 1 : target_frame(c);
    for (int a = 0; a < move_axes; ++a) {
        const auto i = static_cast<std::size_t>(a);
        const bool to_zero = kind == PositioningKind::ToStart && ps.goal_kind == PositionGoal::Zero;
        const bool typed = ps.goal_kind == PositionGoal::Typed || ps.goal_kind == PositionGoal::IntoLimits;
        ps.goal[i] = to_zero || m.rows() < 1 ? 0 : num::int_floor(m.movepos.at(frame, a));
        if (kind == PositioningKind::ToStart && typed) ps.goal[i] = num::int_floor(ps.target[i]);
    }
    ps.goal[5] = ps.goal[6] = 0;
    for (std::size_t i = 0; i < ramp_axes; ++i) {
        ps.goal[i] = clamp_goal(c.axes, i, ps.goal[i]);
        ps.mid[i] = num::int_floor((e.curpos[i] + ps.goal[i]) / 2);
        ps.start[i] = e.curpos[i];
        ps.atspeed[i] = false;
        ps.ramp[i] = num::int_floor(ps.mid[i] - e.curpos[i]);
        e.jog.speed[i] = 0;
    }
}

// Up to the maximum speed; the first time it is reached, the distance so far
// becomes the braking distance.
void accelerate(EngineState& e, const AxisSettings& ax, std::size_t i, double travelled) {
    PositioningState& ps = e.positioning;
    double& speed = e.jog.speed[i];
    if (ax.acc[i] + speed < ax.mSpeed[i]) {
        speed += ax.acc[i];
    } else {
        speed = ax.mSpeed[i];
        if (!ps.atspeed[i]) {
            ps.ramp[i] = travelled;
            ps.atspeed[i] = true;
        }
    }
}

// Braking never goes below one step of acceleration, so the axis always arrives.
void brake(EngineState& e, const AxisSettings& ax, std::size_t i) {
    double& speed = e.jog.speed[i];
    speed = speed - ax.acc[i] > 0 ? speed - ax.acc[i] : ax.acc[i];
}

void ramp_axis(EngineState& e, const AxisSettings& ax, std::size_t i) {
    PositioningState& ps = e.positioning;
    double& pos = e.curpos[i];
    const double goal = num::int_floor(ps.goal[i]);
    if (goal == pos) return;
    const double r = std::fabs(ps.goal[i] - pos);
    if (goal - pos > 0) {
        if (pos < ps.mid[i]) {
            accelerate(e, ax, i, pos - ps.start[i]);
            pos += e.jog.speed[i];
            if (pos >= ps.mid[i]) pos = ps.mid[i];
        } else {
            if (!(ps.atspeed[i] && r > std::fabs(ps.ramp[i]))) brake(e, ax, i);
            pos += e.jog.speed[i];
            if (pos >= ps.goal[i]) pos = ps.goal[i];
        }
    } else {
        if (pos > ps.mid[i]) {
            accelerate(e, ax, i, ps.start[i] - pos);
            pos -= e.jog.speed[i];
            if (pos <= ps.mid[i]) pos = ps.mid[i];
        } else {
            if (!(r > std::fabs(ps.ramp[i]))) brake(e, ax, i);
            pos -= e.jog.speed[i];
            if (pos < ps.goal[i]) pos = ps.goal[i];
        }
    }
}

bool all_arrived(const EngineState& e) {
    for (std::size_t i = 0; i < ramp_axes; ++i)
        if (e.curpos[i] != e.positioning.goal[i]) return false;
    return true;
}

// Where the ramp ends: a looping move that is back at its start plays again.
EngineMode arrived_mode(const EngineState& e) {
    switch (e.mode) {
    case EngineMode::SingleFrameStep: return EngineMode::SingleFrame;
    case EngineMode::Positioning:
    case EngineMode::LoopingBack: {
        const PositionGoal g = e.positioning.goal_kind;
        const bool again = e.play.looping && (g == PositionGoal::Start || g == PositionGoal::Typed);
        return again ? EngineMode::Playing : EngineMode::Idle;
    }
    case EngineMode::Idle:
    case EngineMode::GoingToFrame:
    case EngineMode::Playing:
    case EngineMode::SingleFrame: break;
    }
    return EngineMode::Idle;
}

}  // namespace

void positioning_step(const EngineContext& c) {
    EngineState& e = c.engine;
    PositioningState& ps = e.positioning;
    Panel& p = c.panel;
    const bool to_start = e.mode == EngineMode::Positioning || e.mode == EngineMode::LoopingBack;
    const PositioningKind kind = to_start ? PositioningKind::ToStart : PositioningKind::ToFrame;
    if (ps.ramp_step == 1) start_move(c, kind);
    if (kind == PositioningKind::ToStart && ps.goal_kind == PositionGoal::Zero)
        for (std::size_t i = 0; i < move_axes; ++i) ps.goal[i] = 0;
    if (kind == PositioningKind::ToFrame) {
        show_position_frame(p, ps.gototarget);
        c.move.curframe = ps.gototarget;
        // The bar follows the go-to-frame box on a fixed 1500-frame scale.
        const HScrollValue v = scroll_value(ps.frame_box, 1500,
                                            p.at(ctl::frame_scroll_bar).maximum);
        if (v) p.set_value(ctl::frame_scroll_bar, *v);
    }

    for (std::size_t i = 0; i < ramp_axes; ++i) ramp_axis(e, c.axes, i);

    if (kind == PositioningKind::ToStart) {
        p.show(ctl::positioning_step_box, num::to_text(ps.ramp_step + 1));
        ++ps.ramp_step;
        for (int a = 0; a < move_axes; ++a) show_position_whole_div(p, c.axes, a, e.curpos[static_cast<std::size_t>(a)]);
    } else {
        p.show(ctl::positioning_step_box, num::to_text(ps.ramp_step));
        ++ps.ramp_step;
        show_position(p, c.axes, 0, e.curpos[0]);
        for (int a = 1; a < move_axes; ++a) show_position_whole_div(p, c.axes, a, e.curpos[static_cast<std::size_t>(a)]);
    }
    if (all_arrived(e)) (void)enter(e.mode, arrived_mode(e));
}

}  // namespace kestrova
