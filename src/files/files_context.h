// What the move files and the file panel read and change, and what they ask of others.
#pragma once

#include <filesystem>
#include <functional>

#include "axes/axis_settings.h"
#include "base/notices.h"
#include "base/panel.h"
#include "files/file_panel_state.h"
#include "graph/graph_context.h"
#include "move/move_context.h"
#include "move/move_model.h"

namespace kestrova {

struct FilesHooks {
    // The move now equals the file at `path` (it was just saved or loaded).
    std::function<void(const std::filesystem::path& path)> move_matches_file;
    // The move came from no move file (an import): it has no name until saved.
    std::function<void()> move_has_no_file;
    // The file the move is named after; empty when it has none.
    std::function<std::filesystem::path()> move_file;
};

struct FilesContext {
    FilePanelState& files;
    MoveModel& move;
    Panel& panel;  // the file panel
    const AxisNames& axis_names;  // head the exported columns
    Notices& notices;
    const std::filesystem::path& workdir;  // holds the moves folder
    GraphContext graph;                    // a read move is drawn
    MoveContext moves;                     // a read move replaces the old one
    FilesHooks hooks;
};

}  // namespace kestrova
