// The controls of the path shaping: the Bezier frame and the smoothing.
#pragma once

#include <array>

#include "base/control_name.h"

namespace kestrova::ctl {

inline constexpr ControlName bezier_group{"Frame1"};
inline constexpr ControlName bezier_button{"Command5"};
inline constexpr ControlName bezier_smooth_button{"Command20"};
inline constexpr ControlName handle_share_box{"Text3"};  // acceleration share, percent of a segment
inline constexpr ControlName bezier_readout_box{"Text26"};

inline constexpr ControlName smooth_button{"smoothall"};
inline constexpr ControlName smoothing_width_label{"Label23"};
inline constexpr ControlName smoothing_width_box{"smooth"};
inline constexpr ControlName smoothing_passes_label{"Label22"};
inline constexpr ControlName smoothing_passes_box{"smoothtimes"};
inline constexpr ControlName smoothing_readout_box{"Text23"};
inline constexpr ControlName corrected_smooth_button{"Command16"};
inline constexpr ControlName clear_corrections_button{"Command17"};

inline constexpr std::array shaping_main_window_controls = {
    bezier_group, smoothing_width_label, smoothing_passes_label,
    bezier_button,        bezier_smooth_button,    handle_share_box,       bezier_readout_box,
    smooth_button,        smoothing_width_box,     smoothing_passes_box,   smoothing_readout_box,
    corrected_smooth_button, clear_corrections_button};

}  // namespace kestrova::ctl
