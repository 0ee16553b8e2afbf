// What the window says about the move as a whole: unsaved changes, undo.
#pragma once

#include <string>

namespace kestrova::app_msg {

inline std::string save_changes(const std::string& name) { return "Save changes to " + name + "?"; }
inline const std::string name_first = "Name the move in the file panel and save it; then try again.";
inline std::string title(const std::string& name, bool unsaved) {
    return name + (unsaved ? "*" : "") + " - Kestrova";
}

}  // namespace kestrova::app_msg
