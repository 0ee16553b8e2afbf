#include "engine/positioning.h"

#include <algorithm>
#include <cmath>

#include "engine/engine_displays.h"
#include "app/controls.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

// Goals are whole numbers inside the axis limits, so the move always arrives.
double clamp_goal(const AxisSettings& ax, int a, double goal) {
    const auto i = static_cast<std::size_t>(a);
    const double lo = std::ceil(ax.min[i]);
    const double hi = std::floor(ax.max[i]);
    return lo <= hi ? std::clamp(goal, lo, hi) : goal;
}

int goto_frame(const AppState& s) {
    const double f = num::val(s.panel.text("gotoFN"));
    return static_cast<int>(std::clamp(num::int_floor(f), 1.0, static_cast<double>(std::max(1, s.move.rows()))));
}

void start_move(AppState& s, PositioningKind kind) {
    EngineState& e = s.engine;
    if (kind == PositioningKind::ToStart) {
        for (int a = 0; a < move_axes; ++a) {
            const auto i = static_cast<std::size_t>(a);
            e.goal[i] = e.hometarget || s.move.rows() < 1 ? 0 : num::int_floor(s.move.movepos.at(1, a));
            if (e.entrytarget) e.goal[i] = num::int_floor(e.target[i]);
        }
    } else {
        const int f = goto_frame(s);
        for (int a = 0; a < move_axes; ++a)
            e.goal[static_cast<std::size_t>(a)] = s.move.rows() < 1 ? 0 : num::int_floor(s.move.movepos.at(f, a));
    }
    e.goal[5] = e.goal[6] = 0;
    for (int a = 0; a < ramp_axes; ++a) {
        const auto i = static_cast<std::size_t>(a);
        e.goal[i] = clamp_goal(s.axes, a, e.goal[i]);
        e.mid[i] = num::int_floor((e.curpos[i] + e.goal[i]) / 2);
        e.start[i] = e.curpos[i];
        e.atspeed[i] = false;
        e.ramp[i] = num::int_floor(e.mid[i] - e.curpos[i]);
        e.jog[i] = 0;
    }
}

// Up to the maximum speed; the first time it is reached, the distance so far
// becomes the braking distance.
void accelerate(EngineState& e, const AxisSettings& ax, std::size_t i, double travelled) {
    if (ax.acc[i] + e.jog[i] < ax.mSpeed[i]) {
        e.jog[i] += ax.acc[i];
    } else {
        e.jog[i] = ax.mSpeed[i];
        if (!e.atspeed[i]) {
            e.ramp[i] = travelled;
            e.atspeed[i] = true;
        }
    }
}

// Braking never goes below one step of acceleration, so the axis always arrives.
void brake(EngineState& e, const AxisSettings& ax, std::size_t i) {
    e.jog[i] = e.jog[i] - ax.acc[i] > 0 ? e.jog[i] - ax.acc[i] : ax.acc[i];
}

void ramp_axis(EngineState& e, const AxisSettings& ax, std::size_t i) {
    double& pos = e.curpos[i];
    const double goal = num::int_floor(e.goal[i]);
    if (goal == pos) return;
    const double r = std::fabs(e.goal[i] - pos);
    if (goal - pos > 0) {
        if (pos < e.mid[i]) {
            accelerate(e, ax, i, pos - e.start[i]);
            pos += e.jog[i];
            if (pos >= e.mid[i]) pos = e.mid[i];
        } else {
            if (!(e.atspeed[i] && r > std::fabs(e.ramp[i]))) brake(e, ax, i);
            pos += e.jog[i];
            if (pos >= e.goal[i]) pos = e.goal[i];
        }
    } else {
        if (pos > e.mid[i]) {
            accelerate(e, ax, i, e.start[i] - pos);
            pos -= e.jog[i];
            if (pos <= e.mid[i]) pos = e.mid[i];
        } else {
            if (!(r > std::fabs(e.ramp[i]))) brake(e, ax, i);
            pos -= e.jog[i];
            if (pos < e.goal[i]) pos = e.goal[i];
        }
    }
}

bool all_arrived(const EngineState& e) {
    for (std::size_t i = 0; i < ramp_axes; ++i)
        if (e.curpos[i] != e.goal[i]) return false;
    return true;
}

void show_whole_div(Panel& p, const AxisSettings& ax, const EngineState& e, int a) {
    const auto i = static_cast<std::size_t>(a);
    const auto q = num::int_div(e.curpos[i], ax.pp_rev[i]);
    if (q) p.set_text(axis_box("pos", a), num::to_text(static_cast<double>(*q)));
}

}  // namespace

void positioning_step(AppState& s, PositioningKind kind) {
    EngineState& e = s.engine;
    Panel& p = s.panel;
    if (e.gotophase == 1) start_move(s, kind);
    if (kind == PositioningKind::ToStart && e.hometarget)
        for (std::size_t i = 0; i < move_axes; ++i) e.goal[i] = 0;
    if (kind == PositioningKind::ToFrame) {
        p.set_text("Text1", num::to_text(e.gototarget));
        s.move.curframe = e.gototarget;
        const HScrollValue v = scroll_value(num::val(p.text("Text18")), 1500, p.at("HScroll1").maximum);
        if (v) p.set_value("HScroll1", *v);
    }

    for (std::size_t i = 0; i < ramp_axes; ++i) ramp_axis(e, s.axes, i);

    if (kind == PositioningKind::ToStart) {
        p.set_text("Text8", num::to_text(e.gotophase + 1));
        ++e.gotophase;
        for (int a = 0; a < move_axes; ++a) show_whole_div(p, s.axes, e, a);
        if (all_arrived(e)) {
            e.entrytarget = false;
            e.posmoving = false;
            if (e.hometarget)
                e.hometarget = false;
            else if (e.looping)
                e.restartflag = true;
        }
    } else {
        p.set_text("Text8", num::to_text(e.gotophase));
        ++e.gotophase;
        show_position(s, 0, e.curpos[0]);
        for (int a = 1; a < move_axes; ++a) show_whole_div(p, s.axes, e, a);
        if (all_arrived(e)) e.gotoactive = false;
    }
}

}  // namespace kestrova
