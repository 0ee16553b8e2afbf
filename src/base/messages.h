// Texts of the ground layer: the program's settings file.
#pragma once

#include <string>

namespace kestrova::base_msg {

// The program's settings (gamepad, kept axis settings, recent moves) could not be written.
inline std::string settings_not_written(const std::string& file, const std::string& why) {
    return "Settings cannot be saved to " + file + " (" + why + "); changes made now are lost at the next start";
}

}  // namespace kestrova::base_msg
