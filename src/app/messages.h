// What the window says about the move as a whole: unsaved changes, undo.
#pragma once

#include <string>
#include <vector>

namespace kestrova::app_msg {

inline std::string save_changes(const std::string& name) { return "Save changes to " + name + "?"; }
inline const std::string name_first = "Name the move in the file panel and save it; then try again.";
inline std::string title(const std::string& name, bool unsaved) {
    return name + (unsaved ? "*" : "") + " - Kestrova";
}

// The keyframe table's column headings and its refusal of a typed text.
inline const std::string table_frame = "Frame";
inline const std::string table_time = "Time";
inline std::string table_value_not_number(const std::string& text) {
    return "Keyframe edit refused: \"" + text + "\" is not a number; nothing was changed.";
}
// The rig's state in the toolbar and the status bar.
inline const std::string rig_standing = "Standing";
inline const std::string rig_off_line = "Off line";
inline const std::string rig_playing = "Playing";
inline const std::string rig_positioning = "Positioning";
inline const std::string rig_jogging = "Jogging";
inline const std::string rig_single_frame = "Single frame";
inline std::string while_off_line(const std::string& state) { return state + " (off line)"; }
// Save As's question for the move's name.
inline const std::string save_as_title = "Save Move As";
inline const std::string save_as_prompt = "Name of the move file (in the folder of the file panel):";

// Stretch move and the share of the limits the retimings use.
inline std::string stretch_pinned(const std::vector<int>& rows) {
    std::string list;
    for (int r : rows) list += (list.empty() ? "" : ", ") + std::to_string(r);
    return "Stretch move refused: keyframe" + std::string(rows.size() == 1 ? " " : "s ") + list +
           (rows.size() == 1 ? " is" : " are") + " pinned; unpin to change the length.";
}
inline const std::string stretch_no_length =
    "Stretch move refused: type the new length in the Total frames box first.";
inline std::string share_out_of_range(int percent) {
    return "Fit to rig share refused: " + std::to_string(percent) + " % is not within 1..100 %.";
}
inline std::string share_set(int percent) {
    return "Fit to rig uses " + std::to_string(percent) + " % of each axis's speed and acceleration.";
}

}  // namespace kestrova::app_msg
