#include "axes/setup_dialog.h"

#include "axes/controls.h"
#include "axes/messages.h"
#include "axes/setting_rules.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

constexpr std::size_t applied_pp_rev = 5;  // pulses per unit are taken for A..E only
constexpr std::size_t last = axis_count - 1;

// Axis H holds whole numbers: rounded half to even where they fit, so that
// what does not fit is refused by the rules with the value as typed.
void round_axis_h(AxisSettings& s) {
    if (const auto v = num::to_int16(s.mSpeed[last])) s.mSpeed[last] = *v;
    if (const auto v = num::to_int16(s.acc[last])) s.acc[last] = *v;
    if (const auto v = num::to_int32(s.max[last])) s.max[last] = *v;
}

}  // namespace

Result<AxisSettings> read_setup_dialog(const Panel& f, const AxisSettings& current) {
    AxisSettings next = current;
    std::string error;
    for (std::size_t i = 0; i < axis_count; ++i) {
        const int a = static_cast<int>(i);
        // Each box must hold one number and nothing else.
        auto read = [&](ControlName box, const char* field, double& out) {
            const std::optional<double> v = num::whole_number(f.text(box));
            if (v) out = *v;
            else error = axes_msg::not_a_number(a, field, f.text(box));
            return v.has_value();
        };
        if ((i < applied_pp_rev && !read(ctl::setup_pulses_boxes[i], axes_msg::pulses_field, next.pp_rev[i])) ||
            !read(ctl::setup_speed_boxes[i], axes_msg::speed_field, next.mSpeed[i]) ||
            !read(ctl::setup_acceleration_boxes[i], axes_msg::acceleration_field, next.acc[i]) ||
            !read(ctl::setup_min_boxes[i], axes_msg::min_field, next.min[i]) ||
            !read(ctl::setup_max_boxes[i], axes_msg::max_field, next.max[i]))
            return fail(error);
        if (i < applied_pp_rev && next.pp_rev[i] == 0)
            return fail(axes_msg::out_of_range(a, axes_msg::pulses_field, 0, "numbers other than 0"));
    }
    round_axis_h(next);
    if (const Result<> ok = check_settings(next); !ok) return fail(ok.error());
    return next;
}

void open_setup_dialog(Panel& f, const AxisSettings& ax, const std::array<double, axis_count>& positions) {
    for (std::size_t i = 0; i < axis_count; ++i) {
        f.set_text(ctl::setup_pulses_boxes[i], num::to_text(ax.pp_rev[i]));
        f.set_text(ctl::setup_speed_boxes[i], num::to_text(ax.mSpeed[i]));
        f.set_text(ctl::setup_acceleration_boxes[i], num::to_text(ax.acc[i]));
        f.show(ctl::setup_position_boxes[i], num::to_text(positions[i]));
        f.set_text(ctl::setup_min_boxes[i], num::to_text(ax.min[i]));
        f.set_text(ctl::setup_max_boxes[i], num::to_text(ax.max[i]));
    }
    f.set_visible(ctl::setup_dialog, true);
}

void make_unused_setup_fields_read_only(Panel& f) {
    for (std::size_t i = 0; i < axis_count; ++i) {
        f.set_enabled(ctl::setup_position_boxes[i], false);
        if (i >= applied_pp_rev) f.set_enabled(ctl::setup_pulses_boxes[i], false);
    }
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
