// Texts of the undo history: the names of the actions it records and what the
// operator reads when an undo or redo cannot be done.
#pragma once

#include <string>

namespace kestrova::history_msg {

// Action names, as the Edit menu shows them after "Undo " / "Redo ".
namespace label {
inline const std::string add_keyframe = "Add KeyFrame";
inline const std::string replace_keyframe = "Replace keyframe";
inline const std::string delete_keyframe = "Del KeyFrame";
inline const std::string edit_keyframe = "Edit keyframe";
inline const std::string drag_keyframe = "Drag keyframe";
inline const std::string clear_move = "Clear Move";
inline const std::string set_total_frames = "Set Total Frames";
inline const std::string recalc = "re calc";
inline const std::string bezier = "Bezier";
inline const std::string bezier_smooth = "Bezier Smooth";
inline const std::string smooth = "Smooth";
inline const std::string corrected_smooth = "Corrected Smooth";
inline const std::string clear_corrections = "Clear Corrections";
inline const std::string bezier_samples = "Bezier Samples on A";
inline const std::string load_move = "Load Move";
inline const std::string import_ascii = "Import Ascii";
inline const std::string import_csv = "Import CSV";
inline const std::string lookup_table = "Lookup Table";
}  // namespace label

inline std::string undo_item(const std::string& action) { return "Undo " + action; }
inline std::string redo_item(const std::string& action) { return "Redo " + action; }

inline const std::string nothing_to_undo = "Nothing to undo.";
inline const std::string nothing_to_redo = "Nothing to redo.";

inline const std::string move_changed_elsewhere =
    "Undo history cleared: the move was changed without being recorded, so the recorded steps no "
    "longer fit it; the move is unchanged.";

}  // namespace kestrova::history_msg
