// The F-key status box: most commands switch F-key jogging off first. Only
// the box changes; the keyboard focus stays where it is.
#pragma once

#include <cstdint>

#include "base/panel.h"
#include "move/controls.h"
#include "move/messages.h"

namespace kestrova {

inline void disable_fkeys(Panel& panel, std::uint32_t colour = colour::red) {
    panel.set_text(ctl::fkey_status_box, move_msg::fkeys_disabled);
    panel.set_colour(ctl::fkey_status_box, colour);
}

// Whether F-key jogging is on, as the status box shows it.
inline bool fkeys_enabled(const Panel& panel) { return panel.text(ctl::fkey_status_box) == move_msg::fkeys_enabled; }

inline void enable_fkeys_display(Panel& panel) {
    panel.set_text(ctl::fkey_status_box, move_msg::fkeys_enabled);
    panel.set_colour(ctl::fkey_status_box, colour::green);
}

}  // namespace kestrova
