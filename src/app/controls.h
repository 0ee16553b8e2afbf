#pragma once

#include "axes/axis_settings.h"
#include "base/panel.h"

namespace kestrova {

// Create every control of the main window, the setup dialog and the help
// window with its design text, caption, tooltip and start visibility.
void create_main_controls(Panel& panel);
void create_setup_controls(Panel& form1);
void create_help_controls(Panel& form2);

// Axis letters and the per-axis control names used on more than one window.
inline constexpr const char* axis_letters = "ABCDEFGH";
std::string axis_box(const char* stem, int axis);  // "posA", "SpdC", ...
std::string default_name(int axis);                 // design text of Name1..Name8
extern const char* const fspeed_boxes[8];           // SpeedA..SpeedE, speedf..speedh
extern const char* const name_labels[5];            // Text7, Text9, Text10, Text19, Text20
extern const char* const keyframe_lists[6];         // Text4, Text5, Text13..Text16
extern const char* const row_labels[5];             // Label1, Label11..Label14: "1".."5"
extern const char* const fkey_labels[5];            // Label16..Label20: "F1<>F2".."F9<>F10"
extern const char* const fkey_texts[5];             // "F1<>F2".."F9<>F10"
extern const char* const enable_buttons[5];         // Command6, Command8..Command11
extern const char* const min_boxes[8];              // setup dialog: minAt .. minHt
std::string max_box(int axis);                      // setup dialog: maxAt .. maxHt

}  // namespace kestrova
