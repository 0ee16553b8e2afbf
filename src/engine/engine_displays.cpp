#include "engine/engine_displays.h"

#include <utility>

#include "axes/axis_displays.h"
#include "base/numeric.h"
#include "engine/controls.h"

namespace kestrova {

HScrollValue scroll_value(double frame, double total, int max) {
    if (total == 0) return std::nullopt;
    return num::to_int16(frame / total * max);
}

void show_position(Panel& panel, const AxisSettings& axes, int a, double p) {
    const double pp = axes.pp_rev[static_cast<std::size_t>(a)];
    if (pp == 0) return;  // the setup dialog refuses 0; nothing sensible to show
    panel.show(ctl::position_boxes[static_cast<std::size_t>(a)], num::to_text(num::int_floor(p / pp)));
}

void show_position_whole_div(Panel& panel, const AxisSettings& axes, int a, double p) {
    const auto q = num::int_div(p, axes.pp_rev[static_cast<std::size_t>(a)]);
    if (q) panel.show(ctl::position_boxes[static_cast<std::size_t>(a)], num::to_text(static_cast<double>(*q)));
}

void show_position_text(Panel& panel, int a, std::string text) {
    panel.show(ctl::position_boxes[static_cast<std::size_t>(a)], std::move(text));
}

void keep_position_box(Panel& panel, int a, Panel::Reading reading, Panel::Rule rule) {
    const ControlName box = ctl::position_boxes[static_cast<std::size_t>(a)];
    panel.keep_value(box, std::move(reading));
    panel.on_change(box, std::move(rule));
}

void show_motion(Panel& panel, const AxisSettings& axes, const std::array<double, move_axes>& position,
                 ShownMotion& shown) {
    for (std::size_t a = 0; a < move_axes; ++a) {
        const double speed = position[a] - shown.position[a];
        const bool setup = axes.pp_rev[a] != shown.pulses_per_unit[a] || axes.unit[a] != shown.unit[a];
        if (setup) {
            shown.pulses_per_unit[a] = axes.pp_rev[a];
            shown.unit[a] = axes.unit[a];
        }
        // Without a unit the read-out stays empty: nothing to write as the axis moves.
        if (setup || (position[a] != shown.position[a] && !axes.unit[a].empty()))
            show_axis_position(panel, axes, a, position[a]);
        if (setup || speed != shown.speed[a]) show_axis_speed(panel, axes, a, speed);
        shown.position[a] = position[a];
        shown.speed[a] = speed;
    }
}

void show_frame_bar(Panel& panel, int value) { panel.set_value(ctl::frame_scroll_bar, value); }

void show_page_number(Panel& panel, double page) { panel.show(ctl::page_display, num::to_text(page)); }

}  // namespace kestrova
