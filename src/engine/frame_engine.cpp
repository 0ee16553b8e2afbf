#include "engine/frame_engine.h"

#include <algorithm>
#include <cmath>

#include "axes/setup_dialog.h"
#include "engine/engine_displays.h"
#include "link/link_texts.h"
#include "link/messages.h"
#include "engine/positioning.h"
#include "engine/single_frame_timing.h"
#include "engine/time_code.h"
#include "base/numeric.h"

namespace kestrova {

namespace {
std::array<double, move_axes> move_part(const std::array<double, axis_count>& p) {
    std::array<double, move_axes> out{};
    std::copy_n(p.begin(), move_axes, out.begin());
    return out;
}
}  // namespace

void FrameEngine::step() {
    EngineState& e = state_.engine;
    const std::optional<std::uint8_t> first_byte = link_.receive();
    if (e.sfrun) single_frame_engine_step(state_);
    if (e.posmoving) positioning_step(state_, PositioningKind::ToStart);
    if (e.gotoactive) positioning_step(state_, PositioningKind::ToFrame);
    if (!e.running)
        idle_branch();
    else
        playback_branch(first_byte);
    if (state_.panel.text("setupfix") == "1") {
        apply_setup_dialog(state_);
        state_.panel.set_text("setupfix", "0");
    }
    e.lastpos = e.curpos;
    refresh_displays();
}

void FrameEngine::idle_branch() {
    EngineState& e = state_.engine;
    if (e.restartflag) {
        e.restartflag = false;
        e.running = true;
    }
    e.clamp_reported = false;  // the next play reports its first clamped target again
    jog();
    clamp_to_limits();
    limit_step_size();
    const std::uint8_t lead = e.resetreq ? lead_reset : lead_position;
    e.resetreq = false;
    send(lead, move_part(e.curpos));
}

void FrameEngine::jog() {
    EngineState& e = state_.engine;
    const AxisSettings& ax = state_.axes;
    auto move = [&](int n) {
        const auto a = static_cast<std::size_t>(n / 2);
        // The speed as the box would show it: its decimal text read back.
        const double v = num::val(num::to_text(e.jog[a]));
        e.curpos[a] += n % 2 == 0 ? -v : v;
        show_position(state_, static_cast<int>(a), e.curpos[a]);
    };
    for (int n = 0; n < fkey_count; ++n) {
        if (!e.fkeydown[static_cast<std::size_t>(n)]) continue;
        const auto a = static_cast<std::size_t>(n / 2);
        e.jog[a] = e.jog[a] + ax.acc[a] < ax.FSpeed[a] ? e.jog[a] + ax.acc[a] : ax.FSpeed[a];
        move(n);
    }
    for (int n = 0; n < fkey_count; ++n) {
        if (!e.fkeyup[static_cast<std::size_t>(n)]) continue;
        const auto a = static_cast<std::size_t>(n / 2);
        e.jog[a] = e.jog[a] - ax.acc[a] > -1 ? e.jog[a] - ax.acc[a] : 0;
        move(n);
        if (e.jog[a] == 0) e.fkeyup[static_cast<std::size_t>(n)] = false;
    }
}

void FrameEngine::clamp_to_limits() {
    EngineState& e = state_.engine;
    for (std::size_t a = 0; a < move_axes; ++a) {
        if (e.curpos[a] > state_.axes.max[a]) e.curpos[a] = state_.axes.max[a];
        if (e.curpos[a] < state_.axes.min[a]) e.curpos[a] = state_.axes.min[a];
    }
}

// An idle step never moves an axis further than its maximum speed from what the
// rig was last told. A re-reference (the reset message) is not a move.
void FrameEngine::limit_step_size() {
    EngineState& e = state_.engine;
    if (e.resetreq) return;
    for (std::size_t a = 0; a < move_axes; ++a) {
        const double speed = std::fabs(state_.axes.mSpeed[a]);
        const double d = e.curpos[a] - e.last_sent[a];
        if (d > speed) e.curpos[a] = e.last_sent[a] + speed;
        if (d < -speed) e.curpos[a] = e.last_sent[a] - speed;
    }
}

void FrameEngine::playback_branch(std::optional<std::uint8_t> first_byte) {
    EngineState& e = state_.engine;
    MoveModel& m = state_.move;
    Panel& p = state_.panel;
    if (!m.movepos.has_frame(e.playframe)) {
        // Nothing to play at this frame (the move was shortened under it).
        e.running = false;
        idle_branch();
        return;
    }
    play_target();
    for (std::size_t a = 0; a < move_axes; ++a) e.step[a] = e.next[a] - e.curpos[a];
    e.incontrol = incontrol_for_frame(e.playframe);
    send(lead_frame, e.next);
    for (int a = 0; a < 4; ++a) show_position(state_, a, e.next[static_cast<std::size_t>(a)]);
    p.set_text("Text1", num::to_text(e.playframe));
    m.curframe = e.playframe;
    if (const HScrollValue v = scroll_value(e.playframe, m.totalframes, p.at("HScroll1").maximum)) p.set_value("HScroll1", *v);
    advance_frame(first_byte);
    if (e.playframe > m.totalframes) {
        e.running = false;
        for (std::size_t a = 0; a < move_axes; ++a) e.curpos[a] = num::int_floor(e.next[a]);
        if (e.looping) {
            e.posmoving = true;
            e.gotophase = 1;
            e.playframe = 1;
        }
    }
}

void FrameEngine::play_target() {
    EngineState& e = state_.engine;
    const FrameTable& mp = state_.move.movepos;
    if (e.playdiv == 1) {
        for (int a = 0; a < move_axes; ++a) e.next[static_cast<std::size_t>(a)] = mp.at(e.playframe, a);
    } else {
        if (e.playdiv == e.divcount) e.divcount = 0;
        for (int a = 0; a < move_axes; ++a) {
            const auto i = static_cast<std::size_t>(a);
            if (e.divcount == 0) e.delta[i] = mp.at(e.playframe, a) - e.frompos[i];
            e.next[i] = e.frompos[i] + e.delta[i] * (e.divcount + 1) / e.playdiv;
        }
        ++e.divcount;
        if (e.playdiv == e.divcount)
            for (int a = 0; a < move_axes; ++a) e.frompos[static_cast<std::size_t>(a)] = mp.at(e.playframe, a);
    }
    // A shaped path can overshoot its keyframes: no target leaves the axis limits.
    bool clamped = false;
    for (std::size_t a = 0; a < move_axes; ++a) {
        const double c = std::clamp(e.next[a], std::min(state_.axes.min[a], state_.axes.max[a]), state_.axes.max[a]);
        clamped = clamped || c != e.next[a];
        e.next[a] = c;
    }
    if (clamped && !e.clamp_reported) {
        e.clamp_reported = true;
        state_.notices.say(link_text::target_clamped);
    }
}

void FrameEngine::advance_frame(std::optional<std::uint8_t> first_byte) {
    EngineState& e = state_.engine;
    if (e.soundsync) {
        if (first_byte == sound_sync_marker) e.soundsynced = true;
        if (e.soundsynced && e.synccount > 0) --e.synccount;
        if (!(e.soundsynced && e.synccount == 0)) return;
    }
    if (e.playdiv == 1 || e.playdiv == e.divcount) ++e.playframe;
}

void FrameEngine::send(std::uint8_t lead, const std::array<double, move_axes>& pos) {
    EngineState& e = state_.engine;
    const BuildResult r = build_message(lead, pos, e.smallversionbit, e.incontrol);
    if (!r.message) {
        state_.notices.say(link_text::position_unencodable(static_cast<char>('A' + r.bad_axis)));
        return;
    }
    e.last_sent = pos;
    link_.send(*r.message);
}

void FrameEngine::refresh_displays() {
    EngineState& e = state_.engine;
    Panel& p = state_.panel;
    const auto sub = num::int_div(std::max(0.0, e.gototarget - 2001), 16);
    if (sub) p.set_text("Text17", num::to_text(static_cast<double>(*sub)));
    if (const auto tc = time_code(state_.move.curframe)) {
        p.set_text("Text22", *tc);
        p.set_text("Text29", *tc);
    }
}

}  // namespace kestrova
