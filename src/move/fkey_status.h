// The F-key status box: most commands switch F-key jogging off first. Only
// the box changes; the keyboard focus stays where it is.
#pragma once

#include <cstdint>

#include "base/colours.h"
#include "base/panel.h"

namespace kestrova {

void disable_fkeys(Panel& panel, std::uint32_t colour = colour::red);

// Whether F-key jogging is on, as the status box shows it.
bool fkeys_enabled(const Panel& panel);

void enable_fkeys_display(Panel& panel);

// The jog keys take the keys typed in the status box and let go when it loses
// the focus; enabling them puts the focus there.
void on_fkey_status_keys(Panel& panel, Panel::KeyHandler down, Panel::KeyHandler up, Panel::Action focus_lost);
void focus_fkey_status(Panel& panel);

}  // namespace kestrova
