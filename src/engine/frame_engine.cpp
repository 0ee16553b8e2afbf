#include "engine/frame_engine.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/numeric.h"
#include "engine/controls.h"
#include "engine/engine_displays.h"
#include "move/keyframe_editing.h"
#include "engine/messages.h"
#include "engine/pad_ramp.h"
#include "engine/positioning.h"
#include "engine/time_code.h"
#include "link/wire_message.h"

namespace kestrova {

namespace {
std::array<double, move_axes> move_part(const std::array<double, axis_count>& p) {
    std::array<double, move_axes> out{};
    std::copy_n(p.begin(), move_axes, out.begin());
    return out;
}
}  // namespace

std::optional<std::uint8_t> FrameEngine::receive() { return link_.receive(); }

void FrameEngine::step(std::optional<std::uint8_t> first_byte) {
    EngineState& e = c_.engine;
    // A loop's return that arrives in this step starts play with the next one.
    const bool playing = e.mode == EngineMode::Playing;
    if (ramping(e.mode)) positioning_step(c_);
    if (!playing)
        idle_branch();
    else
        playback_branch(first_byte);
    if (e.setup_waiting) {
        e.setup_waiting = false;
        c_.events.post(Event::setup_due);
    }
    e.lastpos = e.curpos;
    refresh_displays();
}

void FrameEngine::idle_branch() {
    EngineState& e = c_.engine;
    e.play.clamp_reported = false;  // the next play reports its first clamped target again
    bring_into_limits();
    std::array<bool, move_axes> jogged = jog();
    if (ramping(e.mode)) {
        pad_let_go(e.jog.pad);
    } else {
        const std::array<bool, move_axes> by_pad = pad_ramp_step(e.jog, c_.axes, e.curpos);
        for (std::size_t a = 0; a < move_axes; ++a) jogged[a] = jogged[a] || by_pad[a];
    }
    clamp_to_limits();
    limit_step_size();
    // A jogged axis shows where it is, held at a limit or not.
    for (std::size_t a = 0; a < move_axes; ++a)
        if (jogged[a]) show_position(c_.panel, c_.axes, static_cast<int>(a), e.curpos[a]);
    const std::uint8_t lead = c_.link.resetreq ? lead_reset : lead_position;
    c_.link.resetreq = false;
    send(lead, move_part(e.curpos));
}

// An axis standing outside its limits (they were lowered under it, or it was
// zeroed outside them) comes back by a positioning ramp, never by a jump.
void FrameEngine::bring_into_limits() {
    EngineState& e = c_.engine;
    PositioningState& ps = e.positioning;
    if (e.mode != EngineMode::Idle) return;
    std::string outside;
    std::array<double, move_axes> inside{};
    for (std::size_t a = 0; a < move_axes; ++a) {
        const double lo = c_.axes.min[a], hi = c_.axes.max[a];
        inside[a] = lo <= hi ? std::clamp(e.curpos[a], lo, hi) : e.curpos[a];
        if (inside[a] != e.curpos[a]) outside += static_cast<char>('A' + a);
    }
    if (outside.empty()) return;
    if (!enter(e.mode, EngineMode::Positioning)) return;
    ps.target = inside;
    std::copy_n(e.curpos.begin(), move_axes, ps.outside_from.begin());
    ps.goal_kind = PositionGoal::IntoLimits;
    start_ramp(ps);
    c_.notices.say(engine_msg::brought_into_limits(outside));
}

std::array<bool, move_axes> FrameEngine::jog() {
    EngineState& e = c_.engine;
    JogState& j = e.jog;
    const AxisSettings& ax = c_.axes;
    std::array<bool, move_axes> jogged{};
    auto move = [&](int n) {
        const auto a = static_cast<std::size_t>(n / 2);
        // The speed as the box would show it: its decimal text read back.
        const double v = num::val(num::to_text(j.speed[a]));
        e.curpos[a] += n % 2 == 0 ? -v : v;
        jogged[a] = true;
    };
    // No key drives an axis faster than it can go, nor the wrong way, so a
    // released key coasts down within maximum speed / acceleration steps.
    auto fastest = [&](std::size_t a) { return std::max(0.0, ax.mSpeed[a]); };
    for (int n = 0; n < fkey_count; ++n) {
        if (!j.fkeydown[static_cast<std::size_t>(n)]) continue;
        const auto a = static_cast<std::size_t>(n / 2);
        const double top = std::clamp(ax.FSpeed[a], 0.0, fastest(a));
        j.speed[a] = j.speed[a] + ax.acc[a] < top ? j.speed[a] + ax.acc[a] : top;
        move(n);
    }
    for (int n = 0; n < fkey_count; ++n) {
        if (!j.fkeyup[static_cast<std::size_t>(n)]) continue;
        const auto a = static_cast<std::size_t>(n / 2);
        j.speed[a] = std::min(j.speed[a], fastest(a));
        j.speed[a] = j.speed[a] - ax.acc[a] > -1 ? j.speed[a] - ax.acc[a] : 0;
        move(n);
        if (j.speed[a] == 0) j.fkeyup[static_cast<std::size_t>(n)] = false;
    }
    return jogged;
}

void FrameEngine::clamp_to_limits() {
    EngineState& e = c_.engine;
    const PositioningState& ps = e.positioning;
    const bool stretched = e.mode == EngineMode::Positioning && ps.goal_kind == PositionGoal::IntoLimits;
    for (std::size_t a = 0; a < move_axes; ++a) {
        const double hi = stretched ? std::max(c_.axes.max[a], ps.outside_from[a]) : c_.axes.max[a];
        const double lo = stretched ? std::min(c_.axes.min[a], ps.outside_from[a]) : c_.axes.min[a];
        if (e.curpos[a] > hi) e.curpos[a] = hi;
        if (e.curpos[a] < lo) e.curpos[a] = lo;
    }
}

// An idle step never moves an axis further than its maximum speed from what the
// rig was last told. A re-reference (the reset message) is not a move.
void FrameEngine::limit_step_size() {
    EngineState& e = c_.engine;
    if (c_.link.resetreq) return;
    for (std::size_t a = 0; a < move_axes; ++a) {
        const double speed = std::fabs(c_.axes.mSpeed[a]);
        const double d = e.curpos[a] - e.last_sent[a];
        if (d > speed) e.curpos[a] = e.last_sent[a] + speed;
        if (d < -speed) e.curpos[a] = e.last_sent[a] - speed;
    }
}

void FrameEngine::playback_branch(std::optional<std::uint8_t> first_byte) {
    EngineState& e = c_.engine;
    PlaybackState& pl = e.play;
    MoveModel& m = c_.move;
    Panel& p = c_.panel;
    pad_let_go(e.jog.pad);
    if (!m.movepos.has_frame(pl.playframe)) {
        // Nothing to play at this frame (the move was shortened under it).
        (void)enter(e.mode, EngineMode::Idle);
        idle_branch();
        return;
    }
    play_target();
    for (std::size_t a = 0; a < move_axes; ++a) pl.step[a] = pl.next[a] - e.curpos[a];
    c_.link.incontrol = incontrol_for_frame(pl.playframe);
    send(lead_frame, pl.next);
    for (int a = 0; a < 4; ++a) show_position(p, c_.axes, a, pl.next[static_cast<std::size_t>(a)]);
    show_position_frame(p, pl.playframe);
    m.curframe = pl.playframe;
    const HScrollValue v = scroll_value(pl.playframe, m.totalframes, p.at(ctl::frame_scroll_bar).maximum);
    if (v) p.set_value(ctl::frame_scroll_bar, *v);
    advance_frame(first_byte);
    if (pl.playframe > m.totalframes) {
        for (std::size_t a = 0; a < move_axes; ++a) e.curpos[a] = num::int_floor(pl.next[a]);
        if (pl.looping && enter(e.mode, EngineMode::LoopingBack)) {
            e.positioning.goal_kind = PositionGoal::Start;
            start_ramp(e.positioning);
            pl.playframe = 1;
        } else {
            (void)enter(e.mode, EngineMode::Idle);
        }
    }
}

void FrameEngine::play_target() {
    PlaybackState& pl = c_.engine.play;
    const FrameTable& mp = c_.move.movepos;
    if (pl.playdiv == 1) {
        for (int a = 0; a < move_axes; ++a) pl.next[static_cast<std::size_t>(a)] = mp.at(pl.playframe, a);
    } else {
        if (pl.playdiv == pl.divcount) pl.divcount = 0;
        for (int a = 0; a < move_axes; ++a) {
            const auto i = static_cast<std::size_t>(a);
            if (pl.divcount == 0) pl.delta[i] = mp.at(pl.playframe, a) - pl.frompos[i];
            pl.next[i] = pl.frompos[i] + pl.delta[i] * (pl.divcount + 1) / pl.playdiv;
        }
        ++pl.divcount;
        if (pl.playdiv == pl.divcount)
            for (int a = 0; a < move_axes; ++a) pl.frompos[static_cast<std::size_t>(a)] = mp.at(pl.playframe, a);
    }
    // A shaped path can overshoot its keyframes: no target leaves the axis limits.
    bool clamped = false;
    for (std::size_t a = 0; a < move_axes; ++a) {
        const double c = std::clamp(pl.next[a], std::min(c_.axes.min[a], c_.axes.max[a]), c_.axes.max[a]);
        clamped = clamped || c != pl.next[a];
        pl.next[a] = c;
    }
    if (clamped && !pl.clamp_reported) {
        pl.clamp_reported = true;
        c_.notices.say(engine_msg::target_clamped);
    }
}

void FrameEngine::advance_frame(std::optional<std::uint8_t> first_byte) {
    PlaybackState& pl = c_.engine.play;
    SoundSyncState& ss = c_.engine.sound_sync;
    if (ss.soundsync) {
        if (first_byte == sound_sync_marker) ss.soundsynced = true;
        if (ss.soundsynced && ss.synccount > 0) --ss.synccount;
        if (!(ss.soundsynced && ss.synccount == 0)) return;
    }
    if (pl.playdiv == 1 || pl.playdiv == pl.divcount) ++pl.playframe;
}

void FrameEngine::send(std::uint8_t lead, const std::array<double, move_axes>& pos) {
    const Result<Message> m = build_message(lead, pos, c_.link.smallversionbit, c_.link.incontrol);
    if (!m) {
        c_.notices.say(m.error());
        return;
    }
    c_.engine.last_sent = pos;
    link_.send(m.value());
}

void FrameEngine::refresh_displays() {
    const PositioningState& ps = c_.engine.positioning;
    Panel& p = c_.panel;
    show_motion(p, c_.axes, c_.engine.last_sent, shown_);
    const auto page = num::int_div(std::max(0.0, ps.gototarget - 2001), 16);
    if (page) p.show(ctl::page_display, num::to_text(static_cast<double>(*page)));
    if (const auto tc = time_code(c_.move.curframe)) {
        p.show(ctl::time_code_box, *tc);
        p.show(ctl::time_code_copy, *tc);
    }
}

}  // namespace kestrova
