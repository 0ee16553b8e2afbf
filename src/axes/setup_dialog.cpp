#include "axes/setup_dialog.h"

#include "axes/controls.h"
#include "axes/messages.h"
#include "axes/setting_rules.h"
#include "axes/units.h"
#include "base/colours.h"
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

SetupReading refused(ControlName box, std::string reason) { return {fail(std::move(reason)), box}; }

// The first rule axis `i` breaks, with the box the operator fixes it in.
std::optional<SetupReading> check_axis(const AxisSettings& s, std::size_t i) {
    const int a = static_cast<int>(i);
    const std::pair<Result<>, ControlName> rules[] = {
        {check_speed(a, s.mSpeed[i]), ctl::setup_speed_boxes[i]},
        {check_acceleration(a, s.acc[i]), ctl::setup_acceleration_boxes[i]},
        {check_fspeed(a, s.FSpeed[i], s.mSpeed[i]), ctl::setup_speed_boxes[i]},  // the F speed is not in the dialog
        // A maximum the controller cannot reach is the max box's fault; the rest, the min box's.
        {check_limits(a, s.min[i], s.max[i]),
         check_limits(a, s.min[i], controller_max) && !check_limits(a, controller_min, s.max[i])
             ? ctl::setup_max_boxes[i]
             : ctl::setup_min_boxes[i]},
    };
    for (const auto& [r, box] : rules)
        if (!r) return refused(box, r.error());
    return std::nullopt;
}

}  // namespace

void for_each_setup_box(const std::function<void(ControlName)>& visit) {
    for (std::size_t i = 0; i < axis_count; ++i)
        for (ControlName box : {ctl::setup_pulses_boxes[i], ctl::setup_speed_boxes[i], ctl::setup_acceleration_boxes[i],
                                ctl::setup_min_boxes[i], ctl::setup_max_boxes[i]})
            visit(box);
}

SetupReading read_setup_dialog(const Panel& f, const AxisSettings& current) {
    AxisSettings next = current;
    for (std::size_t i = 0; i < axis_count; ++i) {
        const int a = static_cast<int>(i);
        // Each box must hold one number and nothing else.
        std::optional<SetupReading> bad;
        auto read = [&](ControlName box, const char* field, double& out) {
            const std::optional<double> v = num::whole_number(f.text(box));
            if (v) out = *v;
            else bad = refused(box, axes_msg::not_a_number(a, field, f.text(box)));
            return v.has_value();
        };
        if ((i < applied_pp_rev && !read(ctl::setup_pulses_boxes[i], axes_msg::pulses_field, next.pp_rev[i])) ||
            !read(ctl::setup_speed_boxes[i], axes_msg::speed_field, next.mSpeed[i]) ||
            !read(ctl::setup_acceleration_boxes[i], axes_msg::acceleration_field, next.acc[i]) ||
            !read(ctl::setup_min_boxes[i], axes_msg::min_field, next.min[i]) ||
            !read(ctl::setup_max_boxes[i], axes_msg::max_field, next.max[i]))
            return std::move(*bad);
        if (i < applied_pp_rev) next.unit[i] = unit_from_caption(f.text(ctl::setup_unit_buttons[i]));
        if (i < applied_pp_rev && next.pp_rev[i] == 0)
            return refused(ctl::setup_pulses_boxes[i],
                           axes_msg::out_of_range(a, axes_msg::pulses_field, 0, "numbers other than 0"));
        if (i == last) round_axis_h(next);
        if (auto broken = check_axis(next, i)) return std::move(*broken);
    }
    return {std::move(next), std::nullopt};
}

void open_setup_dialog(const AxesContext& c) {
    Panel& f = c.dialog;
    for (std::size_t i = 0; i < axis_count; ++i) f.show(ctl::setup_position_boxes[i], num::to_text(c.positions[i]));
    if (!c.setup.keeps_typed) {
        const AxisSettings& ax = c.axes;
        for (std::size_t i = 0; i < axis_count; ++i) {
            f.show(ctl::setup_name_boxes[i], c.names[i]);
            f.show(ctl::setup_pulses_boxes[i], num::to_text(ax.pp_rev[i]));
            f.set_caption(ctl::setup_unit_buttons[i], unit_caption(ax.unit[i]));
            f.show(ctl::setup_speed_boxes[i], num::to_text(ax.mSpeed[i]));
            f.show(ctl::setup_acceleration_boxes[i], num::to_text(ax.acc[i]));
            f.show(ctl::setup_min_boxes[i], num::to_text(ax.min[i]));
            f.show(ctl::setup_max_boxes[i], num::to_text(ax.max[i]));
        }
        for_each_setup_box([&f](ControlName box) { f.set_colour(box, colour::none); });
    }
    f.set_visible(ctl::setup_dialog, true);
}

void make_unused_setup_fields_read_only(Panel& f) {
    for (std::size_t i = 0; i < axis_count; ++i) {
        f.set_enabled(ctl::setup_position_boxes[i], false);
        if (i >= applied_pp_rev) f.set_enabled(ctl::setup_pulses_boxes[i], false);
        if (i >= applied_pp_rev) f.set_enabled(ctl::setup_unit_buttons[i], false);
    }
}

void cycle_setup_unit(Panel& dialog, std::size_t axis) {
    const ControlName b = ctl::setup_unit_buttons[axis];
    dialog.set_caption(b, unit_caption(next_axis_unit(unit_from_caption(dialog.text(b)))));
}

bool apply_setup_dialog(const AxesContext& c) {
    Panel& f = c.dialog;
    SetupReading next = read_setup_dialog(f, c.axes);
    for_each_setup_box([&f](ControlName box) { f.set_colour(box, colour::none); });
    if (!next.settings) {
        if (next.refused_box) f.set_colour(*next.refused_box, colour::light_red);
        c.setup.keeps_typed = true;
        c.notices.say(axes_msg::apply_refused(next.settings.error()));
        f.set_visible(ctl::setup_dialog, true);
        return false;
    }
    c.setup.keeps_typed = false;
    const bool pulses_changed = next.settings->pp_rev != c.axes.pp_rev || next.settings->unit != c.axes.unit;
    c.axes = std::move(next.settings).value();
    // The names as if typed into the main window's boxes (their rule shows them above the columns).
    for (std::size_t i = 0; i < axis_count; ++i)
        c.panel.set_text(ctl::axis_name_boxes[i], c.setup.names[i]);
    if (pulses_changed) c.events.post(Event::kept_settings_changed);
    return true;
}

void recheck_marked_setup_box(const AxesContext& c, ControlName box) {
    if (c.dialog.at(box).colour != colour::light_red) return;
    const SetupReading now = read_setup_dialog(c.dialog, c.axes);
    if (!now.refused_box || !(*now.refused_box == box)) c.dialog.set_colour(box, colour::none);
}

}  // namespace kestrova
