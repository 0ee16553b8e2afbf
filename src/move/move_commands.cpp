#include "move/move_commands.h"

#include "move/keyframe_editing.h"
#include "move/linear_move.h"
#include "move/move_length.h"
#include "app/fkey_status.h"

namespace kestrova {

void install_move_commands(AppState& state) {
    Panel& p = state.panel;
    p.on_press("Command3", [&state] { add_keyframe(state); });
    p.on_press("delKF", [&state] { delete_keyframe(state); });
    p.on_press("Command7", [&state] { clear_move(state); });
    p.on_press("recal", [&state] { recalc_button(state); });
    p.on_press("Command21", [&state] { set_total_frames(state); });
    p.on_key_down("Text2", [&state](int code, bool) {
        if (code != 13) return false;
        apply_total_frames(state);
        return true;
    });
    // Typing a length switches the F-key jogging off.
    p.on_change("Text2", [&state](const std::string&) { disable_fkeys(state.panel); });
}

}  // namespace kestrova
