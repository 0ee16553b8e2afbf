// What the rig is doing, as one state: every command and every engine step
// that changes it goes through `enter`, which holds the legal transitions in
// one table and refuses the others, saying why. Jogging is no mode: the F keys
// and the pad move the rig whenever it stands, ramps or loops back, never while
// it plays.
#pragma once

#include <string_view>

#include "base/result.h"

namespace kestrova {

enum class EngineMode {
    Idle,             // standing (or jogged)
    Positioning,      // ramping to the start, zero, typed positions or into the limits
    GoingToFrame,     // ramping to the frame `gototarget`
    Playing,          // one frame (in slow play a part of one) every step
    LoopingBack,      // a looping play has ended: ramping to its start, then playing again
    SingleFrame,      // a single-frame run, the rig standing on its frame
    SingleFrameStep,  // a single-frame run, the rig ramping to the next frame
};
inline constexpr int engine_mode_count = 7;

std::string_view mode_name(EngineMode mode);

// Whether `to` may follow `from`; the error says why not.
Result<> can_enter(EngineMode from, EngineMode to);
// Changes `mode` to `to` when the table allows it.
Result<> enter(EngineMode& mode, EngineMode to);

// The rig moves by a positioning ramp in these modes.
bool ramping(EngineMode mode);
bool single_frame_run(EngineMode mode);
// The mode a move to a frame starts: a step of the run when one is on.
EngineMode frame_move_mode(EngineMode from);

}  // namespace kestrova
