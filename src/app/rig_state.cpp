#include "app/rig_state.h"

#include <algorithm>

#include "app/messages.h"

namespace kestrova {

namespace {
bool moving(const auto& speeds) {
    return std::any_of(speeds.begin(), speeds.end(), [](double v) { return v != 0; });
}
}  // namespace

RigActivity rig_activity(const EngineState& e) {
    switch (e.mode) {
    case EngineMode::Playing:
    case EngineMode::LoopingBack:  // a looping play carries on from its start
        return RigActivity::playing;
    case EngineMode::Positioning:
    case EngineMode::GoingToFrame:
        return RigActivity::positioning;
    case EngineMode::SingleFrame:
    case EngineMode::SingleFrameStep:
        return RigActivity::single_frame;
    case EngineMode::Idle:
        break;
    }
    // A released key lets its axis coast down: still jogging until it stands.
    return e.jog.anyfkey || moving(e.jog.speed) || moving(e.jog.pad.speed) ? RigActivity::jogging
                                                                          : RigActivity::standing;
}

std::string rig_state_text(RigActivity activity, bool online) {
    if (activity == RigActivity::standing) return online ? app_msg::rig_standing : app_msg::rig_off_line;
    const std::string word = activity == RigActivity::playing       ? app_msg::rig_playing
                             : activity == RigActivity::positioning ? app_msg::rig_positioning
                             : activity == RigActivity::jogging     ? app_msg::rig_jogging
                                                                    : app_msg::rig_single_frame;
    return online ? word : app_msg::while_off_line(word);
}

}  // namespace kestrova
