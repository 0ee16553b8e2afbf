// The controls of the motion commands: play-back, going to frames and
// positions, jog keys, single frame and triggers.
#pragma once

#include <array>
#include <span>

#include "base/control_name.h"

namespace kestrova::ctl {

// Play-back.
inline constexpr ControlName motion_group{"MOVE"};
inline constexpr ControlName run_button{"run"};
inline constexpr ControlName stop_button{"Stop"};
inline constexpr ControlName loop_button{"Loopy"};
inline constexpr ControlName play_speed_button{"Speed"};
inline constexpr ControlName divider_box{"Text6"};
inline constexpr ControlName counter_reset_button{"Command12"};
inline constexpr ControlName show_nums_button{"shownums"};
inline constexpr ControlName not_at_start_warning{"warning"};

// Going to frames and positions.
inline constexpr ControlName step_button{"Step"};
inline constexpr ControlName step_back_button{"stepB"};
inline constexpr ControlName go_to_frame_box{"Text18"};
inline constexpr ControlName sub_frame_box{"gotoFN"};
inline constexpr ControlName go_to_sub_frame_button{"Command14"};
inline constexpr ControlName go_to_frame_button{"Command15"};
inline constexpr ControlName go_to_end_button{"gotoend"};
inline constexpr ControlName page_box{"Text12"};
inline constexpr ControlName go_to_page_button{"gotoFrame"};
inline constexpr ControlName go_to_start_button{"gotostart"};
inline constexpr ControlName go_to_position_button{"gotopos"};
inline constexpr ControlName go_to_zero_button{"Command1"};
inline constexpr ControlName go_home_button{"Home"};  // no action
inline constexpr ControlName zero_all_button{"zeroall"};

// Jog keys. The F-key status box belongs to the move commands, which switch
// it off; the F speed column to the axis settings, which fill it in: the jog
// keys reach both through their owners' functions.
inline constexpr ControlName fkey_status_label{"Label25"};
inline constexpr ControlName enable_fkeys_button{"enFkeys"};
inline constexpr ControlName disable_fkeys_button{"disFkeys"};
inline constexpr ControlName fkey_heading{"Label21"};
inline constexpr ControlFamily<5> fkey_labels{ControlName{"Label16"}, ControlName{"Label17"}, ControlName{"Label18"},
                                              ControlName{"Label19"}, ControlName{"Label20"}};

// Single frame.
inline constexpr ControlName single_frame_button{"setsingle"};
inline constexpr ControlName exposure_box{"exposure"};
inline constexpr ControlName exposure_label{"Label8"};
inline constexpr ControlName hours_box{"hrset"};
inline constexpr ControlName minutes_box{"minset"};
inline constexpr ControlName seconds_box{"secset"};
inline constexpr ControlName interval_label{"Label37"};
inline constexpr ControlName frame_lamp{"camflash"};
inline constexpr ControlName flash_button{"Command22"};  // no action
inline constexpr ControlName light_button{"Command23"};  // no action

// Triggers and sound sync.
inline constexpr ControlName trigger_group{"timecode"};
inline constexpr ControlName tone_trigger_button{"Command24"};
inline constexpr ControlName time_code_trigger_button{"Command25"};
inline constexpr ControlName gpi_trigger_button{"Command26"};
inline constexpr ControlName clear_triggers_button{"Command27"};
inline constexpr ControlName sound_sync_button{"Sound"};
inline constexpr std::array trigger_labels = {ControlName{"Label30"}, ControlName{"Label31"}, ControlName{"Label39"},
                                              ControlName{"Label36"}, ControlName{"Label40"}, ControlName{"Label15"},
                                              ControlName{"Label38"}};

inline constexpr std::array motion_main_window_controls = {
    motion_group,         run_button,           stop_button,           loop_button,
    play_speed_button,    divider_box,          counter_reset_button,  show_nums_button,
    not_at_start_warning, step_button,          step_back_button,      go_to_frame_box,       sub_frame_box,
    go_to_sub_frame_button, go_to_frame_button, go_to_end_button,      page_box,
    go_to_page_button,    go_to_start_button,   go_to_position_button, go_to_zero_button,
    go_home_button,       zero_all_button,      fkey_status_label,
    enable_fkeys_button,  disable_fkeys_button, fkey_heading,
    single_frame_button,  exposure_box,         exposure_label,        hours_box,
    minutes_box,          seconds_box,          interval_label,        frame_lamp,
    flash_button,         light_button,         trigger_group,         tone_trigger_button,
    time_code_trigger_button, gpi_trigger_button, clear_triggers_button, sound_sync_button,
    trigger_labels[0], trigger_labels[1], trigger_labels[2], trigger_labels[3],
    trigger_labels[4], trigger_labels[5], trigger_labels[6]};
inline constexpr std::array<std::span<const ControlName>, 1> motion_main_window_families = {fkey_labels};

}  // namespace kestrova::ctl
