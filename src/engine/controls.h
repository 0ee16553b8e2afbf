// The controls the engine shows its state in. The motion commands reach them
// through engine_displays.h; the position boxes carry the operator's limit rule.
#pragma once

#include <array>
#include <span>

#include "base/control_name.h"

namespace kestrova::ctl {

// Present position of each axis, in units (position / pulses per unit).
inline constexpr ControlFamily<8> position_boxes{
    ControlName{"posA"}, ControlName{"posB"}, ControlName{"posC"}, ControlName{"posD"},
    ControlName{"posE"}, ControlName{"posF"}, ControlName{"posG"}, ControlName{"posH"}};
inline constexpr ControlName position_heading{"Label3"};
inline constexpr ControlName frame_scroll_bar{"HScroll1"};
inline constexpr ControlName positioning_step_box{"Text8"};
inline constexpr ControlName page_display{"Text17"};
inline constexpr ControlName time_code_box{"Text22"};
inline constexpr ControlName time_code_copy{"Text29"};
inline constexpr ControlName current_frame_label{"Label34"};

inline constexpr std::array engine_main_window_controls = {
    position_heading, frame_scroll_bar, positioning_step_box, page_display,
    time_code_box,    time_code_copy,   current_frame_label};
inline constexpr std::array<std::span<const ControlName>, 1> engine_main_window_families = {position_boxes};

}  // namespace kestrova::ctl
