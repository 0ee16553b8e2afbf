#include "engine/move_lock.h"

#include "engine/messages.h"

namespace kestrova {

// Every mode but standing follows the move, or ramps to a goal taken from it.
bool rig_follows_move(const EngineState& engine) { return engine.mode != EngineMode::Idle; }

Result<> may_change_move(const EngineState& engine) {
    if (rig_follows_move(engine)) return fail(engine_msg::stop_rig_first);
    return {};
}

}  // namespace kestrova
