// Saving, loading, exporting and importing the move through files in the
// folder the file panel shows. Every refusal or failure is reported and leaves
// both the move and the files as they were.
#pragma once

#include <string>

#include "files/move_codec.h"
#include "app/app_state.h"

namespace kestrova {

// Save Move: the move under `name` in the shown folder, replacing the file whole.
bool save_move_file(AppState& state, const std::string& name);

// Load Move: checks the whole file, then makes it the move.
bool load_move_file(AppState& state, const std::string& name);

// Export Ascii: "<name>.asc" in the shown folder, name = the selected file
// (or else the current move name).
bool export_move_text(AppState& state);

// Import Ascii: reads "<name>.asc" back into the per-frame table; the move
// length becomes its frame count and the keyframe table is emptied.
bool import_move_text(AppState& state);

// Make a read move the current one: set the length (which clears the move and
// re-creates the tables), take the tables, refresh the lists, counts and graph.
void install_move(AppState& state, MoveFileData data);

}  // namespace kestrova
