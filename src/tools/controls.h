// The developer buttons that write the lookup table.
#pragma once

#include <array>

#include "base/control_name.h"

namespace kestrova::ctl {

inline constexpr ControlName lookup_bin_button{"Command2"};      // "array"
inline constexpr ControlName lookup_listing_button{"Command4"};  // "make list"
inline constexpr ControlName idle_developer_button{"Command18"};  // has no action

inline constexpr std::array tools_main_window_controls = {lookup_bin_button, lookup_listing_button,
                                                          idle_developer_button};

}  // namespace kestrova::ctl
