#include "axes/setup_dialog.h"

#include <optional>

#include "axes/messages.h"
#include "axes/setup_codec.h"
#include "app/controls.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

constexpr int applied_pp_rev = 5;  // pulses per unit are taken for A..E only
constexpr int last = axis_count - 1;

// The dialog's values, read but not yet applied.
std::optional<AxisSettings> read_dialog(const AppState& s, std::string& error) {
    const Panel& f = s.form1;
    AxisSettings next = s.axes;
    const std::string limits = std::to_string(controller_min) + ".." + std::to_string(controller_max);
    for (int a = 0; a < axis_count; ++a) {
        const auto i = static_cast<std::size_t>(a);
        if (a < applied_pp_rev) {
            next.pp_rev[i] = num::val(f.text(axis_box("pos", a)));
            if (next.pp_rev[i] == 0) {
                error = axes_msg::out_of_range(a, "pulses/unit", 0, "numbers other than 0");
                return std::nullopt;
            }
        }
        next.mSpeed[i] = num::val(f.text(axis_box("Spd", a)));
        next.acc[i] = num::val(f.text(fspeed_boxes[a]));
        // A ramp with no acceleration or no speed never arrives.
        for (auto [field, v] : {std::pair{"max speed", next.mSpeed[i]}, std::pair{"acceleration", next.acc[i]}}) {
            if (!(v > 0)) {
                error = axes_msg::out_of_range(a, field, v, "numbers above 0");
                return std::nullopt;
            }
        }
        next.min[i] = num::val(f.text(min_boxes[a]));
        next.max[i] = num::val(f.text(max_box(a)));
        for (auto [field, v] : {std::pair{"min pos", next.min[i]}, std::pair{"max pos", next.max[i]}}) {
            if (!(v >= controller_min && v <= controller_max)) {
                error = axes_msg::out_of_range(a, field, v, limits);
                return std::nullopt;
            }
        }
    }
    // Axis H holds whole numbers: rounded half to even, refused when they overflow.
    const auto h = static_cast<std::size_t>(last);
    const auto speed = num::to_int16(next.mSpeed[h]);
    const auto acc = num::to_int16(next.acc[h]);
    if (!speed) error = axes_msg::out_of_range(last, "max speed", next.mSpeed[h], "-32768..32767");
    else if (!acc) error = axes_msg::out_of_range(last, "acceleration", next.acc[h], "-32768..32767");
    if (!speed || !acc) return std::nullopt;
    next.mSpeed[h] = *speed;
    next.acc[h] = *acc;
    next.max[h] = num::round_half_even(next.max[h]);  // within the limits checked above
    return next;
}

}  // namespace

void open_setup_dialog(AppState& state) {
    Panel& f = state.form1;
    const AxisSettings& ax = state.axes;
    for (int a = 0; a < axis_count; ++a) {
        const auto i = static_cast<std::size_t>(a);
        f.set_text(axis_box("pos", a), num::to_text(ax.pp_rev[i]));
        f.set_text(axis_box("Spd", a), num::to_text(ax.mSpeed[i]));
        f.set_text(fspeed_boxes[a], num::to_text(ax.acc[i]));
        f.set_text("Text" + std::to_string(a + 1), num::to_text(state.engine.curpos[i]));
        f.set_text(min_boxes[a], num::to_text(ax.min[i]));
        f.set_text(max_box(a), num::to_text(ax.max[i]));
    }
    f.set_visible("Form1", true);
}

bool apply_setup_dialog(AppState& state) {
    std::string error;
    const std::optional<AxisSettings> next = read_dialog(state, error);
    if (!next) {
        state.notices.say(axes_msg::apply_refused(error));
        state.form1.set_visible("Form1", true);
        return false;
    }
    state.axes = *next;
    return true;
}

}  // namespace kestrova
