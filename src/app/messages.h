// What the window says about the move as a whole: unsaved changes, undo.
#pragma once

#include <string>

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

}  // namespace kestrova::app_msg
