#include "move/fkey_status.h"

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

}  // namespace kestrova
