// The controls the link owns: the Comm entry and the Comm number box that picks a port.
#pragma once

#include <array>

#include "base/control_name.h"

namespace kestrova::ctl {

inline constexpr ControlName comm_entry{"comm"};
inline constexpr ControlName comm_number_box{"CommNo"};
inline constexpr ControlName comm_number_label{"Label9"};

inline constexpr std::array link_main_window_controls = {comm_entry, comm_number_box, comm_number_label};

}  // namespace kestrova::ctl
