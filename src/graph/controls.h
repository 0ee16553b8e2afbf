// The controls the move chart owns: the chart, its buttons and the show-axis toggles.
#pragma once

#include <array>
#include <span>

#include "base/control_name.h"

namespace kestrova::ctl {

inline constexpr ControlName move_chart{"MSChart1"};
inline constexpr ControlName redraw_chart_button{"dograph"};
inline constexpr ControlName speed_mode_button{"showspeed"};
inline constexpr ControlName bezier_samples_button{"Command13"};
inline constexpr ControlName show_axis_heading{"Label35"};
inline constexpr ControlFamily<8> show_axis_buttons{
    ControlName{"Command19_0"}, ControlName{"Command19_1"}, ControlName{"Command19_2"}, ControlName{"Command19_3"},
    ControlName{"Command19_4"}, ControlName{"Command19_5"}, ControlName{"Command19_6"}, ControlName{"Command19_7"}};

// The window's own switch between position, speed and acceleration (no counterpart on the panel).
inline constexpr ControlName chart_quantity{"chartQuantity"};

inline constexpr std::array graph_main_window_controls = {move_chart, redraw_chart_button, speed_mode_button,
                                                          bezier_samples_button, show_axis_heading};
inline constexpr std::array<std::span<const ControlName>, 1> graph_main_window_families = {show_axis_buttons};

}  // namespace kestrova::ctl
