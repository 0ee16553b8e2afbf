#include "engine/engine_mode.h"

#include <array>
#include <string>

#include "engine/messages.h"

namespace kestrova {

namespace {

using M = EngineMode;

// Row: from; column: to, in the enum's order
// (Idle, Positioning, GoingToFrame, Playing, LoopingBack, SingleFrame, SingleFrameStep).
// Stop ends every mode. A new ramp replaces a ramp. Play ends in Idle or
// loops back; nothing else interrupts it. A run steps to its frames and ends
// as it stands, or keeps ramping to its last frame.
constexpr std::array<std::array<bool, engine_mode_count>, engine_mode_count> legal = {{
    /* Idle            */ {true, true, true, true, false, true, false},
    /* Positioning     */ {true, true, true, true, false, false, false},
    /* GoingToFrame    */ {true, true, true, true, false, false, true},
    /* Playing         */ {true, false, false, false, true, false, false},
    /* LoopingBack     */ {true, true, true, true, false, false, false},
    /* SingleFrame     */ {true, false, false, false, false, false, true},
    /* SingleFrameStep */ {true, false, true, false, false, true, true},
}};

std::size_t slot(M m) { return static_cast<std::size_t>(m); }

std::string refusal(M from, M to) {
    switch (from) {
    case M::Playing: return engine_msg::stop_play_first;
    case M::SingleFrame:
    case M::SingleFrameStep: return engine_msg::stop_single_frame_first;
    case M::Idle:
    case M::Positioning:
    case M::GoingToFrame:
    case M::LoopingBack: break;
    }
    return engine_msg::mode_refused(mode_name(from), mode_name(to));
}

}  // namespace

std::string_view mode_name(EngineMode mode) {
    switch (mode) {
    case M::Idle: return "standing";
    case M::Positioning: return "positioning";
    case M::GoingToFrame: return "going to a frame";
    case M::Playing: return "playing";
    case M::LoopingBack: return "looping back";
    case M::SingleFrame: return "single frame";
    case M::SingleFrameStep: break;
    }
    return "single-frame step";
}

Result<> can_enter(EngineMode from, EngineMode to) {
    if (legal[slot(from)][slot(to)]) return {};
    return fail(refusal(from, to));
}

Result<> enter(EngineMode& mode, EngineMode to) {
    Result<> r = can_enter(mode, to);
    if (r) mode = to;
    return r;
}

bool ramping(EngineMode m) {
    return m == M::Positioning || m == M::LoopingBack || m == M::GoingToFrame || m == M::SingleFrameStep;
}

bool single_frame_run(EngineMode m) { return m == M::SingleFrame || m == M::SingleFrameStep; }

EngineMode frame_move_mode(EngineMode from) { return single_frame_run(from) ? M::SingleFrameStep : M::GoingToFrame; }

}  // namespace kestrova
