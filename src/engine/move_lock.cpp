#include "engine/move_lock.h"

#include "engine/messages.h"

namespace kestrova {

bool rig_follows_move(const EngineState& engine, bool single_frame_run) {
    const PositioningState& ps = engine.positioning;
    return engine.play.running || engine.play.restartflag || ps.posmoving || ps.gotoactive || single_frame_run;
}

Result<> may_change_move(const EngineState& engine, bool single_frame_run) {
    if (rig_follows_move(engine, single_frame_run)) return fail(engine_msg::stop_rig_first);
    return {};
}

}  // namespace kestrova
