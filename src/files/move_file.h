// Saving, loading, exporting and importing the move through files in the
// folder the file panel shows. Every refusal or failure is reported and leaves
// both the move and the files as they were.
#pragma once

#include <array>
#include <string>

#include "files/files_context.h"
#include "files/move_codec.h"

namespace kestrova {

// Save Move: the move under `name` in the shown folder, replacing the file whole.
// Another existing file than the move's own is replaced only after "Replace
// <name>?" is answered OK (a message box; false until then, and on Cancel).
bool save_move_file(const FilesContext& c, const std::string& name);

// Load Move: checks the whole file, then makes it the move.
bool load_move_file(const FilesContext& c, const std::string& name);

// Export Ascii: "<name>.asc" in the shown folder, name = the selected file
// (or else the current move name).
bool export_move_text(const FilesContext& c);

// Import Ascii: reads "<name>.asc" back into the per-frame table; the move
// length becomes its frame count and the keyframe table is emptied.
bool import_move_text(const FilesContext& c);

// The names of the axes that carry the move (A..E), heading written columns.
std::array<std::string, move_axes> move_axis_names(const AxisNames& names);

// Make a read move the current one: the move takes its length and tables
// (every other table afresh, the keyframe corrections cleared), then the boxes
// and the chart show it.
void install_move(const FilesContext& c, MoveFileData data);
// An imported table becomes the move: its length, its positions, no keyframes.
void install_positions(const FilesContext& c, FrameTable positions);

}  // namespace kestrova
