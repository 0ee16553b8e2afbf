#pragma once

#include "base/panel.h"

namespace kestrova {

// "disable F keys": only the status box changes; the focus stays where it is.
inline void disable_fkeys(Panel& panel, std::uint32_t colour = colour::red) {
    panel.set_text("enable", "F keys disabled");
    panel.set_colour("enable", colour);
}

inline void enable_fkeys_display(Panel& panel) {
    panel.set_text("enable", "F keys enabled");
    panel.set_colour("enable", colour::green);
}

}  // namespace kestrova
