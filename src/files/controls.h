// The controls the move files own: the file menus and the file panel.
#pragma once

#include <array>
#include <span>

#include "base/control_name.h"

namespace kestrova::ctl {

inline constexpr ControlName load_move_menu{"Load"};
inline constexpr ControlName save_move_menu{"save"};
inline constexpr ControlName export_menu{"Export"};
inline constexpr ControlName import_menu{"Importascii"};
inline constexpr ControlName file_name_heading{"Label27"};
inline constexpr ControlName file_name_box{"Fname"};
inline constexpr ControlName drive_list{"Drive1"};
inline constexpr ControlName folder_list{"Dir1"};
inline constexpr ControlName file_list{"File1"};
// Above the lists while they are open: whether a pick loads or saves.
inline constexpr ControlName file_mode_label{"fileMode"};
// Leaves the panel without loading or saving.
inline constexpr ControlName file_cancel_button{"fileCancel"};
// The labels that show the names of axes A..E; a change of B's runs the file pick.
inline constexpr ControlFamily<5> axis_name_labels{ControlName{"Text7"}, ControlName{"Text9"}, ControlName{"Text10"},
                                                   ControlName{"Text19"}, ControlName{"Text20"}};

inline constexpr std::array files_main_window_controls = {load_move_menu,    save_move_menu, export_menu,
                                                          import_menu,       file_name_heading, file_name_box,
                                                          drive_list,        folder_list,    file_list,
                                                          file_mode_label,   file_cancel_button};
inline constexpr std::array<std::span<const ControlName>, 1> files_main_window_families = {axis_name_labels};

}  // namespace kestrova::ctl
