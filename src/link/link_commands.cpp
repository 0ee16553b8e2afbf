#include "link/link_commands.h"

#include "link/link.h"
#include "link/link_texts.h"
#include "base/numeric.h"

namespace kestrova {

std::string comm_device(int number) { return "/dev/ttyS" + std::to_string(number - 1); }

void install_link_commands(AppState& state, Link& link) {
    Panel& p = state.panel;
    // "Comm": the number box takes the chart's place. It also works off line,
    // where entering a number is a way of going on line.
    p.on_press("comm", [&state] {
        Panel& panel = state.panel;
        panel.set_text("CommNo", num::to_text(state.engine.commnum + 1));  // hidden: not an edit
        panel.set_visible("MSChart1", false);
        panel.set_visible("Label9", true);
        panel.set_visible("CommNo", true);
    });
    // One edit picks the port; the box then gives the chart its place back.
    p.on_change("CommNo", [&state, &link](const std::string& text) {
        Panel& panel = state.panel;
        if (!panel.at("CommNo").visible) return;  // filled in by the "Comm" entry
        panel.set_visible("CommNo", false);
        panel.set_visible("Label9", false);
        panel.set_visible("MSChart1", true);
        const double n = num::int_floor(num::val(text));
        if (n < 1 || n > 255) {
            state.notices.say(link_text::bad_comm_number(text));
            return;
        }
        if (link.go_online(comm_device(static_cast<int>(n)))) state.engine.commnum = static_cast<int>(n) - 1;
    });
}

}  // namespace kestrova
