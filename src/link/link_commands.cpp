#include "link/link_commands.h"

#include "base/numeric.h"
#include "link/controls.h"
#include "link/link.h"
#include "link/messages.h"

namespace kestrova {

std::string comm_device(int number) { return "/dev/ttyS" + std::to_string(number - 1); }

void install_link_commands(LinkCommandContext ctx) {
    // "Comm": the number box takes the chart's place. It also works off line,
    // where entering a number is a way of going on line.
    ctx.panel.on_press(ctl::comm_entry, [ctx] {
        ctx.panel.show(ctl::comm_number_box, num::to_text(ctx.state.commnum + 1));  // hidden: not an edit
        ctx.panel.set_visible(ctx.chart, false);
        ctx.panel.set_visible(ctl::comm_number_label, true);
        ctx.panel.set_visible(ctl::comm_number_box, true);
    });
    // One edit picks the port; the box then gives the chart its place back.
    ctx.panel.on_change(ctl::comm_number_box, [ctx](const std::string& text) {
        Panel& panel = ctx.panel;
        if (!panel.at(ctl::comm_number_box).visible) return;  // filled in by the "Comm" entry
        panel.set_visible(ctl::comm_number_box, false);
        panel.set_visible(ctl::comm_number_label, false);
        panel.set_visible(ctx.chart, true);
        const double n = num::int_floor(num::val(text));
        if (n < 1 || n > 255) {
            ctx.notices.say(link_text::bad_comm_number(text));
            return;
        }
        if (ctx.link.go_online(comm_device(static_cast<int>(n)))) ctx.state.commnum = static_cast<int>(n) - 1;
    });
}

}  // namespace kestrova
