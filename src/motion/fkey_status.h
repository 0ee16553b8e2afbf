// The F-key status box: "F keys enabled" on green or "F keys disabled" on red.
// It changes only the display; the key handlers do not test it.
#pragma once

#include "base/panel.h"
#include "motion/controls.h"
#include "motion/messages.h"

namespace kestrova {

inline void show_fkeys_disabled(Panel& panel) {
    panel.set_text(ctl::fkey_status_box, motion_msg::fkeys_disabled);
    panel.set_colour(ctl::fkey_status_box, colour::red);
}

inline void show_fkeys_enabled(Panel& panel) {
    panel.set_text(ctl::fkey_status_box, motion_msg::fkeys_enabled);
    panel.set_colour(ctl::fkey_status_box, colour::green);
}

}  // namespace kestrova
