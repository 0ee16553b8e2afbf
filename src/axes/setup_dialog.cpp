#include "axes/setup_dialog.h"

#include "axes/controls.h"
#include "axes/messages.h"
#include "axes/setup_codec.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

constexpr int applied_pp_rev = 5;  // pulses per unit are taken for A..E only
constexpr std::size_t last = axis_count - 1;

}  // namespace

Result<AxisSettings> read_setup_dialog(const Panel& f, const AxisSettings& current) {
    AxisSettings next = current;
    const std::string limits = std::to_string(controller_min) + ".." + std::to_string(controller_max);
    for (std::size_t i = 0; i < axis_count; ++i) {
        const int a = static_cast<int>(i);
        if (a < applied_pp_rev) {
            next.pp_rev[i] = num::val(f.text(ctl::setup_pulses_boxes[i]));
            if (next.pp_rev[i] == 0) return fail(axes_msg::out_of_range(a, "pulses/unit", 0, "numbers other than 0"));
        }
        next.mSpeed[i] = num::val(f.text(ctl::setup_speed_boxes[i]));
        next.acc[i] = num::val(f.text(ctl::setup_acceleration_boxes[i]));
        // A ramp with no acceleration or no speed never arrives.
        for (auto [field, v] : {std::pair{"max speed", next.mSpeed[i]}, std::pair{"acceleration", next.acc[i]}})
            if (!(v > 0)) return fail(axes_msg::out_of_range(a, field, v, "numbers above 0"));
        next.min[i] = num::val(f.text(ctl::setup_min_boxes[i]));
        next.max[i] = num::val(f.text(ctl::setup_max_boxes[i]));
        for (auto [field, v] : {std::pair{"min pos", next.min[i]}, std::pair{"max pos", next.max[i]}})
            if (!(v >= controller_min && v <= controller_max)) return fail(axes_msg::out_of_range(a, field, v, limits));
    }
    // Axis H holds whole numbers: rounded half to even, refused when they overflow.
    const auto speed = num::to_int16(next.mSpeed[last]);
    const auto acc = num::to_int16(next.acc[last]);
    if (!speed) return fail(axes_msg::out_of_range(int{last}, "max speed", next.mSpeed[last], "-32768..32767"));
    if (!acc) return fail(axes_msg::out_of_range(int{last}, "acceleration", next.acc[last], "-32768..32767"));
    next.mSpeed[last] = *speed;
    next.acc[last] = *acc;
    next.max[last] = num::round_half_even(next.max[last]);  // within the limits checked above
    return next;
}

void open_setup_dialog(Panel& f, const AxisSettings& ax, const std::array<double, axis_count>& positions) {
    for (std::size_t i = 0; i < axis_count; ++i) {
        f.set_text(ctl::setup_pulses_boxes[i], num::to_text(ax.pp_rev[i]));
        f.set_text(ctl::setup_speed_boxes[i], num::to_text(ax.mSpeed[i]));
        f.set_text(ctl::setup_acceleration_boxes[i], num::to_text(ax.acc[i]));
        f.set_text(ctl::setup_position_boxes[i], num::to_text(positions[i]));
        f.set_text(ctl::setup_min_boxes[i], num::to_text(ax.min[i]));
        f.set_text(ctl::setup_max_boxes[i], num::to_text(ax.max[i]));
    }
    f.set_visible(ctl::setup_dialog, true);
}

bool apply_setup_dialog(Panel& dialog, AxisSettings& axes, Notices& notices) {
    Result<AxisSettings> next = read_setup_dialog(dialog, axes);
    if (!next) {
        notices.say(axes_msg::apply_refused(next.error()));
        dialog.set_visible(ctl::setup_dialog, true);
        return false;
    }
    axes = std::move(next).value();
    return true;
}

}  // namespace kestrova
