// The controls the top layer owns: the menus that are not a subsystem's,
// the message-form button and the help window.
#pragma once

#include <array>

#include "base/control_name.h"

namespace kestrova::ctl {

inline constexpr ControlName file_menu{"Filemenu"};
inline constexpr ControlName exit_menu{"exitmenu"};
inline constexpr ControlName help_menu{"help"};
inline constexpr ControlName message_form_button{"smallversion"};  // "Large" / "Small"

inline constexpr ControlName escape_stop{"escapeStop"};   // the Escape key's shortcut: stop everything
inline constexpr ControlName keyframe_table{"keyframeTable"};  // the keyframes, one row each, edited in place
inline constexpr ControlName delete_keyframe_shortcut{"deleteKeyframe"};  // Delete outside text boxes: the selected keyframe
inline constexpr ControlName play_progress{"playProgress"};  // status area: play progress or the running time

// The help window.
inline constexpr ControlName help_window{"Form2"};
inline constexpr ControlName help_heading{"Label1"};
inline constexpr ControlName help_text_box{"Text1"};
inline constexpr ControlName help_close_button{"Command1"};

inline constexpr std::array app_main_window_controls = {file_menu, exit_menu, help_menu, message_form_button};
inline constexpr std::array app_help_window_controls = {help_window, help_heading, help_text_box, help_close_button};

}  // namespace kestrova::ctl
