#include "pad/pad_setup_section.h"

#include <algorithm>
#include <string>

#include "base/colours.h"
#include "base/numeric.h"
#include "move/move_model.h"
#include "pad/controls.h"

namespace kestrova {

namespace {
std::string axis_caption(int axis) { return axis == no_axis ? "-" : std::string(1, static_cast<char>('A' + axis)); }
}  // namespace

void create_pad_setup_controls(Panel& dialog) {
    dialog.add(ctl::pad_group, ControlKind::Frame, "Gamepad");
    for (std::size_t s = 0; s < pad_stick_count; ++s) {
        dialog.add(ctl::pad_stick_labels[s], ControlKind::Label, std::string(pad_stick_names[s]));
        dialog.add(ctl::pad_axis_buttons[s], ControlKind::Button, "-", "the axis it drives: A..E or none (-)");
        dialog.add(ctl::pad_invert_buttons[s], ControlKind::Button, "inv", "drive the axis the other way");
    }
    dialog.add(ctl::pad_dead_zone_label, ControlKind::Label, "dead zone %");
    dialog.add(ctl::pad_dead_zone_box, ControlKind::Box, {}, "deflection that moves nothing, 0 to 90 %");
    dialog.add(ctl::pad_step_label, ControlKind::Label, "keyframe step");
    dialog.add(ctl::pad_step_box, ControlKind::Box, {}, "frames the A button moves the Position box on");
    dialog.add(ctl::pad_dead_man_label, ControlKind::Label, "dead-man button");
    dialog.add(ctl::pad_dead_man_button, ControlKind::Button, std::string(dead_man_name(PadSettings{}.dead_man)),
               "held for the sticks to move anything");
}

void PadSetupSection::install() {
    dialog_.keep_value(ctl::pad_dead_zone_box, [this](const std::string& text) { dead_zone_ = read_dead_zone_percent(text); });
    dialog_.keep_value(ctl::pad_step_box, [this](const std::string& text) { step_ = read_keyframe_step(text); });
    for (std::size_t s = 0; s < pad_stick_count; ++s) {
        dialog_.on_press(ctl::pad_axis_buttons[s], [this, s] {
            int& axis = draft_.sticks[s].axis;
            axis = axis + 1 >= move_axes ? no_axis : axis + 1;
            show();
        });
        dialog_.on_press(ctl::pad_invert_buttons[s], [this, s] {
            draft_.sticks[s].inverted = !draft_.sticks[s].inverted;
            show();
        });
    }
    dialog_.on_press(ctl::pad_dead_man_button, [this] {
        const auto* at = std::find(pad_dead_man_choices.begin(), pad_dead_man_choices.end(), draft_.dead_man);
        draft_.dead_man = at + 1 < pad_dead_man_choices.end() ? *(at + 1) : pad_dead_man_choices.front();
        show();
    });
}

void PadSetupSection::open(const PadSettings& current) {
    draft_ = current;
    dialog_.set_text(ctl::pad_dead_zone_box, num::to_text(current.dead_zone * 100));
    dialog_.set_text(ctl::pad_step_box, num::to_text(current.keyframe_step));
    show();
}

void PadSetupSection::show() {
    for (std::size_t s = 0; s < pad_stick_count; ++s) {
        dialog_.set_caption(ctl::pad_axis_buttons[s], axis_caption(draft_.sticks[s].axis));
        dialog_.set_colour(ctl::pad_invert_buttons[s], draft_.sticks[s].inverted ? colour::green : colour::red);
    }
    dialog_.set_caption(ctl::pad_dead_man_button, std::string(dead_man_name(draft_.dead_man)));
}

bool PadSetupSection::save(Gamepad& pad, Notices& notices) const {
    const Result<PadSettings> s = read();
    if (s) pad.set_settings(s.value());
    else notices.say(s.error());
    return s.ok();
}

Result<PadSettings> PadSetupSection::read() const {
    PadSettings s = draft_;
    if (!dead_zone_) return fail(dead_zone_.error());
    if (!step_) return fail(step_.error());
    s.dead_zone = dead_zone_.value();
    s.keyframe_step = step_.value();
    return s;
}

}  // namespace kestrova
