// What a command that changed the move is called in "Undo <action>".
#pragma once

#include <string>
#include <string_view>

#include "base/panel.h"
#include "files/file_panel_state.h"
#include "move/move_entries.h"
#include "move/move_model.h"

namespace kestrova {

std::string command_label(std::string_view control, const Panel& panel, const MoveModel& move,
                          const MoveEntries& entries);

// Commands that change the move, or how it is played (the play speed): they
// wait while the rig follows the move.
bool changes_what_rig_follows(std::string_view control, const FilePanelState& files);

}  // namespace kestrova
