#include "shaping/shaping_commands.h"

#include "shaping/bezier_path.h"
#include "shaping/smoothing.h"
#include "base/numeric.h"

namespace kestrova {

void install_shaping_commands(AppState& state) {
    Panel& p = state.panel;
    p.on_press("Command5", [&state] { bezier_button(state); });
    p.on_press("Command20", [&state] { bezier_smooth_button(state); });
    p.on_press("smoothall", [&state] { smooth_all(state); });
    p.on_press("Command16", [&state] { corrected_smoothing(state); });
    p.on_press("Command17", [&state] { clear_corrections(state); });
    // The handle share must lie in 0 < p < 101.
    p.on_change("Text3", [&state](const std::string& text) {
        const double v = num::val(text);
        if (!(v > 0 && v < 101)) state.panel.set_text("Text3", "20");
    });
}

}  // namespace kestrova
