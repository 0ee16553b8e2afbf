#pragma once

#include <string>

#include "axes/axis_settings.h"
#include "base/panel.h"

namespace kestrova {

// Create every control of the main window, the setup dialog and the help
// window with its design text, caption, tooltip and start visibility. The
// names are declared by their owners, in <subsystem>/controls.h.
void create_main_controls(Panel& panel);
void create_setup_controls(Panel& form1);
void create_help_controls(Panel& form2);

inline constexpr const char* axis_letters = "ABCDEFGH";
std::string default_name(int axis);  // design text of the axis name boxes

}  // namespace kestrova
