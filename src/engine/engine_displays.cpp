#include "engine/engine_displays.h"

#include "app/controls.h"
#include "base/numeric.h"

namespace kestrova {

HScrollValue scroll_value(double frame, double total, int max) {
    if (total == 0) return std::nullopt;
    return num::to_int16(frame / total * max);
}

void show_position(AppState& s, int a, double p) {
    const double pp = s.axes.pp_rev[static_cast<std::size_t>(a)];
    if (pp == 0) return;  // the setup dialog refuses 0; nothing sensible to show
    s.panel.set_text(axis_box("pos", a), num::to_text(num::int_floor(p / pp)));
}

}  // namespace kestrova
