// The controls the move subsystem owns: keyframe editing, the move length,
// the F-key status box that most commands switch off, and the read-out box
// that the chart and the corrected smoothing share.
#pragma once

#include <array>

#include "base/control_name.h"

namespace kestrova::ctl {

inline constexpr ControlName keyframe_group{"Frame2"};
inline constexpr ControlName keyframe_frame_label{"Label4"};
inline constexpr ControlName keyframe_frame_box{"Text1"};  // "Position": the frame to add or delete at
inline constexpr ControlName add_keyframe_button{"Command3"};
inline constexpr ControlName delete_keyframe_button{"delKF"};
inline constexpr ControlName clear_move_button{"Command7"};
inline constexpr ControlName recalc_button{"recal"};
inline constexpr ControlName keyframe_count_label{"Label6"};
inline constexpr ControlName keyframe_count_box{"keyframes"};
// Frames, then the positions of axes A..E, one keyframe a line.
inline constexpr ControlFamily<6> keyframe_list_boxes{ControlName{"Text4"},  ControlName{"Text5"},
                                                      ControlName{"Text13"}, ControlName{"Text14"},
                                                      ControlName{"Text15"}, ControlName{"Text16"}};

inline constexpr ControlName total_frames_label{"Label5"};
inline constexpr ControlName total_frames_box{"Text2"};
inline constexpr ControlName set_total_frames_button{"Command21"};

// The Position frame and the move length as time, beside their boxes.
inline constexpr ControlName keyframe_frame_seconds{"positionSeconds"};
inline constexpr ControlName total_frames_seconds{"totalSeconds"};

inline constexpr ControlName fkey_status_box{"enable"};
inline constexpr ControlName shared_readout_box{"Text24"};

inline constexpr std::array move_main_window_controls = {
    keyframe_group, keyframe_frame_label, keyframe_count_label, total_frames_label,
    keyframe_frame_box,     add_keyframe_button,    delete_keyframe_button, clear_move_button,
    recalc_button,          keyframe_count_box,     keyframe_list_boxes[0], keyframe_list_boxes[1],
    keyframe_list_boxes[2], keyframe_list_boxes[3], keyframe_list_boxes[4], keyframe_list_boxes[5],
    total_frames_box,       set_total_frames_button, fkey_status_box,       shared_readout_box,
    keyframe_frame_seconds, total_frames_seconds};

}  // namespace kestrova::ctl
