#include "move/fkey_status.h"

#include <utility>

#include "move/controls.h"
#include "move/messages.h"

namespace kestrova {

void disable_fkeys(Panel& panel, std::uint32_t colour) {
    panel.set_text(ctl::fkey_status_box, move_msg::fkeys_disabled);
    panel.set_colour(ctl::fkey_status_box, colour);
}

bool fkeys_enabled(const Panel& panel) { return panel.text(ctl::fkey_status_box) == move_msg::fkeys_enabled; }

void enable_fkeys_display(Panel& panel) {
    panel.set_text(ctl::fkey_status_box, move_msg::fkeys_enabled);
    panel.set_colour(ctl::fkey_status_box, colour::green);
}

void on_fkey_status_keys(Panel& panel, Panel::KeyHandler down, Panel::KeyHandler up, Panel::Action focus_lost) {
    panel.on_key_down(ctl::fkey_status_box, std::move(down));
    panel.on_key_up(ctl::fkey_status_box, std::move(up));
    panel.on_focus_lost(ctl::fkey_status_box, std::move(focus_lost));
}

void focus_fkey_status(Panel& panel) { panel.request_focus(ctl::fkey_status_box); }

}  // namespace kestrova
