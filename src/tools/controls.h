// The developer buttons that write the lookup table.
#pragma once

#include <array>

#include "base/control_name.h"

namespace kestrova::ctl {

inline constexpr ControlName lookup_bin_button{"Command2"};      // "array"
inline constexpr ControlName lookup_listing_button{"Command4"};  // "make list"
inline constexpr ControlName idle_developer_button{"Command18"};  // has no action

// Three captionless developer labels.
inline constexpr std::array developer_labels = {ControlName{"Label26"}, ControlName{"Label28"}, ControlName{"Label29"}};

inline constexpr std::array tools_main_window_controls = {lookup_bin_button, lookup_listing_button,
                                                          idle_developer_button, developer_labels[0],
                                                          developer_labels[1], developer_labels[2]};

}  // namespace kestrova::ctl
