#include "motion/jog_keys.h"

#include <algorithm>
#include <cmath>

#include "axes/axes_commands.h"
#include "axes/setting_rules.h"
#include "base/numeric.h"
#include "engine/engine_displays.h"
#include "motion/controls.h"
#include "motion/messages.h"
#include "move/fkey_status.h"

namespace kestrova {

namespace {
// Flag index 0..9 of a function key code, or -1 for any other key.
int fkey_index(int code) {
    const int n = code - first_fkey_code;
    return n >= 0 && n < fkey_count ? n : -1;
}
}  // namespace

void enable_fkeys(Panel& panel, Notices& notices, JogState& jog, AxisSettings& axes, const MotionEntries& entries) {
    enable_fkeys_display(panel);
    focus_fkey_status(panel);
    std::string still;  // axes whose keys will not move them
    for (std::size_t a = 0; a < move_axes; ++a) {
        jog.speed[a] = 1;
        axes.FSpeed[a] = entries.fspeed[a];
        if (axes.FSpeed[a] == 0) still += static_cast<char>('A' + a);
    }
    if (!still.empty()) notices.say(motion_msg::fkeys_without_speed(still));
}

bool fkey_down(JogState& jog, int code, bool auto_repeat) {
    const int n = fkey_index(code);
    if (n < 0) return false;
    if (!auto_repeat) {
        const auto i = static_cast<std::size_t>(n);
        jog.fkeydown[i] = true;
        // Held again while coasting: the key drives the axis alone, or both
        // flags would move it by more than its top jog speed.
        jog.fkeyup[i] = false;
        jog.anyfkey = true;
    }
    return code == f10_code;
}

void fkey_up(JogState& jog, int code, bool auto_repeat) {
    const int n = fkey_index(code);
    if (n < 0 || auto_repeat) return;
    const auto i = static_cast<std::size_t>(n);
    // A release whose press never reached the box must not set the axis coasting.
    if (!jog.fkeydown[i]) return;
    jog.fkeydown[i] = false;
    jog.fkeyup[i] = true;
}

void release_all_fkeys(JogState& jog) {
    for (std::size_t n = 0; n < fkey_count; ++n) {
        if (!jog.fkeydown[n]) continue;
        jog.fkeydown[n] = false;
        jog.fkeyup[n] = true;
    }
}

void fspeed_box_rule(Panel& panel, Notices& notices, const AxisSettings& axes, int axis, const std::string& text,
                     std::string& accepted) {
    const auto i = static_cast<std::size_t>(axis);
    const double top = axes.mSpeed[i];
    const Result<> fits = check_fspeed(axis, num::val(text), top);
    if (fits) {
        accepted = text;
        return;
    }
    const bool keep = check_fspeed(axis, num::val(accepted), top).ok();
    const std::string kept = keep ? accepted : num::to_text(std::clamp(num::val(accepted), 0.0, std::max(0.0, top)));
    notices.say(fits.error());
    put_back_fspeed(panel, axis, kept);  // taken by this rule again
}

double position_scale(const AxisSettings& axes, int axis) {
    const double pp = axes.pp_rev[static_cast<std::size_t>(axis)];
    return pp > 0 ? pp : 1;
}

void position_box_rule(Panel& panel, Notices& notices, const AxisSettings& axes, double present, int axis,
                       const std::string& text) {
    const auto i = static_cast<std::size_t>(axis);
    // The box shows units, the limits are in pulses.
    const double scale = position_scale(axes, axis);
    const double lo = axes.min[i] / scale;
    const double hi = axes.max[i] / scale;
    const auto inside = [&](const std::string& t) {
        const double v = num::val(t);
        return v > lo - 1 && v < hi + 1;
    };
    if (inside(text)) return;
    // Back to what the box held, so "go to position" never drives towards a
    // value nobody typed; where the rig stands when that was outside too.
    const std::string& before = panel.text_before_change();
    const std::string kept = inside(before) ? before : num::to_text(num::int_floor(present / scale));
    show_position_text(panel, axis, kept);
    notices.say(motion_msg::position_outside_limits(static_cast<char>('A' + axis), kept));
}

}  // namespace kestrova
