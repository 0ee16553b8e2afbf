#include "axes/axes_commands.h"

#include <utility>

#include "axes/controls.h"
#include "axes/messages.h"
#include "axes/setup_dialog.h"
#include "axes/setting_rules.h"
#include "axes/setup_file.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

// Toggle buttons show their flag: green when on, red when off.
void show_toggle(Panel& p, ControlName button, bool on) { p.set_colour(button, on ? colour::green : colour::red); }

void kept_changed(const AxesContext& c) {
    c.events.post(Event::kept_settings_changed);
}

}  // namespace

void show_axis_toggles(const AxesContext& c) {
    for (std::size_t a = 0; a < axis_count; ++a) show_toggle(c.dialog, ctl::setup_reverse_buttons[a], c.axes.rev[a]);
    for (std::size_t a = 0; a < ctl::enable_buttons.size(); ++a)
        if (c.axes.ena[a]) show_toggle(c.panel, ctl::enable_buttons[a], true);
}

void give_starting_fspeeds(const AxesContext& c) {
    // Kept as settings too, so a Save Setup straight after the first start keeps them.
    for (std::size_t a = 0; a < jog_axes; ++a) {
        c.axes.FSpeed[a] = starting_fspeed(c.axes.mSpeed[a]);
        c.panel.set_text(ctl::fspeed_boxes[a], num::to_text(c.axes.FSpeed[a]));
    }
}

void keep_fspeed_box(Panel& panel, int axis, Panel::Reading reading, Panel::Rule rule) {
    const ControlName box = ctl::fspeed_boxes[static_cast<std::size_t>(axis)];
    panel.keep_value(box, std::move(reading));
    panel.on_change(box, std::move(rule));
}

void put_back_fspeed(Panel& panel, int axis, std::string text) {
    panel.set_text(ctl::fspeed_boxes[static_cast<std::size_t>(axis)], std::move(text));
}

void install_axes_commands(const AxesContext& c) {
    for (std::size_t a = 0; a < axis_count; ++a) {
        c.panel.keep_value(ctl::axis_name_boxes[a], [&n = c.names[a]](const std::string& text) { n = text; });
        c.dialog.keep_value(ctl::setup_name_boxes[a], [&n = c.setup.names[a]](const std::string& text) { n = text; });
    }
    make_unused_setup_fields_read_only(c.dialog);
    c.panel.on_press(ctl::setup_menu, [c] {
        open_setup_dialog(c);
        c.events.post(Event::setup_opened);
    });
    c.dialog.on_press(ctl::setup_ok_button, [c] {
        c.dialog.set_visible(ctl::setup_dialog, false);
        c.events.post(Event::setup_accepted);
    });
    c.dialog.on_press(ctl::setup_exit_button, [c] {
        c.setup.keeps_typed = false;  // the edits are dropped
        c.dialog.set_visible(ctl::setup_dialog, false);
    });
    for_each_setup_box([c](ControlName box) {
        c.dialog.on_change(box, [c, box](const std::string&) { recheck_marked_setup_box(c, box); });
    });
    c.dialog.on_press(ctl::setup_show_values_button, [c] { c.dialog.set_text(ctl::setup_min_boxes[0], "-50000"); });
    for (std::size_t a = 0; a < axis_count; ++a) {
        c.dialog.on_press(ctl::setup_unit_buttons[a], [c, a] { cycle_setup_unit(c.dialog, a); });
        c.dialog.on_press(ctl::setup_reverse_buttons[a], [c, a] {
            c.axes.rev[a] = !c.axes.rev[a];
            show_toggle(c.dialog, ctl::setup_reverse_buttons[a], c.axes.rev[a]);
            kept_changed(c);
        });
    }
    for (std::size_t a = 0; a < ctl::enable_buttons.size(); ++a) {
        c.panel.on_press(ctl::enable_buttons[a], [c, a] {
            c.axes.ena[a] = !c.axes.ena[a];
            show_toggle(c.panel, ctl::enable_buttons[a], c.axes.ena[a]);
            kept_changed(c);
        });
    }
    c.panel.on_press(ctl::load_setup_menu, [c] {
        const SetupLoad r = load_setup(c);
        if (r == SetupLoad::missing) c.notices.say(axes_msg::load_missing());
        if (r == SetupLoad::loaded) c.notices.say(axes_msg::loaded());
    });
    c.panel.on_press(ctl::save_setup_menu, [c] { save_setup(c); });
}

}  // namespace kestrova
