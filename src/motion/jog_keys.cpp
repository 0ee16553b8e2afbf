#include "motion/jog_keys.h"

#include <algorithm>
#include <cmath>

#include "motion/messages.h"
#include "app/controls.h"
#include "app/fkey_status.h"
#include "base/numeric.h"

namespace kestrova {

namespace {
// Flag index 0..9 of a function key code, or -1 for any other key.
int fkey_index(int code) {
    const int n = code - first_fkey_code;
    return n >= 0 && n < fkey_count ? n : -1;
}
}  // namespace

void enable_fkeys(AppState& s) {
    enable_fkeys_display(s.panel);
    s.panel.request_focus("enable");
    for (int a = 0; a < move_axes; ++a) {
        s.engine.jog[a] = 1;
        s.axes.FSpeed[a] = num::val(s.panel.text(fspeed_boxes[a]));
    }
}

void disable_fkeys_pressed(AppState& s) { disable_fkeys(s.panel); }

bool fkey_down(AppState& s, int code, bool auto_repeat) {
    const int n = fkey_index(code);
    if (n < 0) return false;
    if (!auto_repeat) {
        EngineState& e = s.engine;
        e.fkeydown[n] = true;
        // Held again while coasting: the key drives the axis alone, or both
        // flags would move it by more than its top jog speed.
        e.fkeyup[n] = false;
        e.anyfkey = true;
    }
    return code == f10_code;
}

void fkey_up(AppState& s, int code, bool auto_repeat) {
    const int n = fkey_index(code);
    if (n < 0 || auto_repeat) return;
    EngineState& e = s.engine;
    // A release whose press never reached the box must not set the axis coasting.
    if (!e.fkeydown[n]) return;
    e.fkeydown[n] = false;
    e.fkeyup[n] = true;
}

void release_all_fkeys(AppState& s) {
    EngineState& e = s.engine;
    for (int n = 0; n < fkey_count; ++n) {
        if (!e.fkeydown[n]) continue;
        e.fkeydown[n] = false;
        e.fkeyup[n] = true;
    }
}

double position_scale(const AppState& s, int axis) {
    const double pp = s.axes.pp_rev[axis];
    return pp > 0 ? pp : 1;
}

void position_box_rule(AppState& s, int axis, const std::string& text) {
    const double v = num::val(text);
    // The box shows units, the limits are in pulses.
    const double scale = position_scale(s, axis);
    const double lo = s.axes.min[axis] / scale;
    const double hi = s.axes.max[axis] / scale;
    if (v > lo - 1 && v < hi + 1) return;
    s.panel.set_text(axis_box("pos", axis), "0");
    s.notices.say(motion_msg::position_outside_limits(axis_letters[axis]));
}

}  // namespace kestrova
