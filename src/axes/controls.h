// The controls the axis configuration owns: the axis names, F speeds and
// enable toggles of the main window, the setup menus and the whole setup dialog.
#pragma once

#include <array>
#include <span>

#include "base/control_name.h"

namespace kestrova::ctl {

// Main window.
inline constexpr ControlName setup_menu{"Setup"};
inline constexpr ControlName load_setup_menu{"setupload"};
inline constexpr ControlName save_setup_menu{"setupsave"};
inline constexpr ControlName fspeed_heading{"Label2"};
inline constexpr ControlName axis_heading{"Label10"};
inline constexpr ControlName axis_speed_heading{"Label24"};
// The row numbers "1".."5" of axes A..E.
inline constexpr ControlFamily<5> axis_row_labels{ControlName{"Label1"}, ControlName{"Label11"}, ControlName{"Label12"},
                                                  ControlName{"Label13"}, ControlName{"Label14"}};
// The present position of axes A..E in their unit, beside the position boxes.
inline constexpr ControlFamily<5> position_unit_labels{ControlName{"UnitPosA"}, ControlName{"UnitPosB"},
                                                       ControlName{"UnitPosC"}, ControlName{"UnitPosD"},
                                                       ControlName{"UnitPosE"}};
// The Speed column of the axis rows: each axis's present speed, shown only.
inline constexpr ControlFamily<8> axis_speed_boxes{ControlName{"SpdA"}, ControlName{"SpdB"}, ControlName{"SpdC"},
                                                   ControlName{"SpdD"}, ControlName{"SpdE"}, ControlName{"SpdF"},
                                                   ControlName{"SpdG"}, ControlName{"SpdH"}};
inline constexpr ControlFamily<8> axis_name_boxes{ControlName{"Name1"}, ControlName{"Name2"}, ControlName{"Name3"},
                                                  ControlName{"Name4"}, ControlName{"Name5"}, ControlName{"Name6"},
                                                  ControlName{"Name7"}, ControlName{"Name8"}};
inline constexpr ControlFamily<8> fspeed_boxes{ControlName{"SpeedA"}, ControlName{"SpeedB"}, ControlName{"SpeedC"},
                                               ControlName{"SpeedD"}, ControlName{"SpeedE"}, ControlName{"speedf"},
                                               ControlName{"speedg"}, ControlName{"speedh"}};
inline constexpr ControlFamily<5> enable_buttons{ControlName{"Command6"}, ControlName{"Command8"},
                                                 ControlName{"Command9"}, ControlName{"Command10"},
                                                 ControlName{"Command11"}};

// Setup dialog.
inline constexpr ControlName setup_dialog{"Form1"};
inline constexpr ControlName setup_ok_button{"Command5"};    // "save and exit setup"
inline constexpr ControlName setup_exit_button{"Command28"};  // "exit setup"
inline constexpr ControlName setup_show_values_button{"Command29"};
inline constexpr ControlName setup_axis_heading{"Label10"};
inline constexpr ControlName setup_pulses_heading{"Label3"};
inline constexpr ControlName setup_speed_heading{"Label24"};
inline constexpr ControlName setup_acceleration_heading{"Label2"};
inline constexpr ControlName setup_min_heading{"Label4"};
inline constexpr ControlName setup_max_heading{"Label5"};
inline constexpr ControlName setup_position_heading{"Label6"};
inline constexpr ControlFamily<8> setup_row_labels{ControlName{"Row1"}, ControlName{"Row2"}, ControlName{"Row3"},
                                                   ControlName{"Row4"}, ControlName{"Row5"}, ControlName{"Row6"},
                                                   ControlName{"Row7"}, ControlName{"Row8"}};
inline constexpr ControlFamily<8> setup_name_boxes{ControlName{"Name1"}, ControlName{"Name2"}, ControlName{"Name3"},
                                                   ControlName{"Name4"}, ControlName{"Name5"}, ControlName{"Name6"},
                                                   ControlName{"Name7"}, ControlName{"Name8"}};
inline constexpr ControlFamily<8> setup_pulses_boxes{ControlName{"posA"}, ControlName{"posB"}, ControlName{"posC"},
                                                     ControlName{"posD"}, ControlName{"posE"}, ControlName{"posF"},
                                                     ControlName{"posG"}, ControlName{"posH"}};
// The unit beside each pulses-per-unit box, chosen by pressing.
inline constexpr ControlFamily<8> setup_unit_buttons{ControlName{"unitA"}, ControlName{"unitB"}, ControlName{"unitC"},
                                                     ControlName{"unitD"}, ControlName{"unitE"}, ControlName{"unitF"},
                                                     ControlName{"unitG"}, ControlName{"unitH"}};
inline constexpr ControlFamily<8> setup_speed_boxes{ControlName{"SpdA"}, ControlName{"SpdB"}, ControlName{"SpdC"},
                                                    ControlName{"SpdD"}, ControlName{"SpdE"}, ControlName{"SpdF"},
                                                    ControlName{"SpdG"}, ControlName{"SpdH"}};
inline constexpr ControlFamily<8> setup_acceleration_boxes{
    ControlName{"SpeedA"}, ControlName{"SpeedB"}, ControlName{"SpeedC"}, ControlName{"SpeedD"},
    ControlName{"SpeedE"}, ControlName{"speedf"}, ControlName{"speedg"}, ControlName{"speedh"}};
inline constexpr ControlFamily<8> setup_min_boxes{ControlName{"minAt"}, ControlName{"minBt"}, ControlName{"minCt"},
                                                  ControlName{"minDt"}, ControlName{"minEt"}, ControlName{"minft"},
                                                  ControlName{"minGt"}, ControlName{"minHt"}};
inline constexpr ControlFamily<8> setup_max_boxes{ControlName{"maxAt"}, ControlName{"maxBt"}, ControlName{"maxCt"},
                                                  ControlName{"maxDt"}, ControlName{"maxEt"}, ControlName{"maxFt"},
                                                  ControlName{"maxGt"}, ControlName{"maxHt"}};
inline constexpr ControlFamily<8> setup_position_boxes{ControlName{"Text1"}, ControlName{"Text2"}, ControlName{"Text3"},
                                                       ControlName{"Text4"}, ControlName{"Text5"}, ControlName{"Text6"},
                                                       ControlName{"Text7"}, ControlName{"Text8"}};
inline constexpr ControlFamily<8> setup_reverse_buttons{ControlName{"revAx"}, ControlName{"revBx"},
                                                        ControlName{"revCx"}, ControlName{"revDx"},
                                                        ControlName{"revEx"}, ControlName{"revFx"},
                                                        ControlName{"revGx"}, ControlName{"revHx"}};

// Everything above, per window, for the ownership check.
inline constexpr std::array axes_main_window_controls = {setup_menu, load_setup_menu, save_setup_menu,
                                                         fspeed_heading, axis_heading, axis_speed_heading};
inline constexpr std::array<std::span<const ControlName>, 6> axes_main_window_families = {
    axis_name_boxes, fspeed_boxes, enable_buttons, axis_row_labels, axis_speed_boxes, position_unit_labels};
inline constexpr std::array axes_setup_dialog_controls = {
    setup_dialog,        setup_ok_button,       setup_exit_button,           setup_show_values_button,
    setup_axis_heading,  setup_pulses_heading,  setup_speed_heading,         setup_acceleration_heading,
    setup_min_heading,   setup_max_heading,     setup_position_heading};
inline constexpr std::array<std::span<const ControlName>, 10> axes_setup_dialog_families = {
    setup_row_labels, setup_name_boxes,     setup_pulses_boxes,   setup_speed_boxes,    setup_acceleration_boxes,
    setup_min_boxes,  setup_max_boxes,      setup_position_boxes, setup_reverse_buttons, setup_unit_buttons};

}  // namespace kestrova::ctl
