#include "pad/pad_settings.h"

#include <algorithm>
#include <cmath>

#include "base/numeric.h"
#include "move/move_model.h"
#include "pad/messages.h"

namespace kestrova {

namespace {
constexpr double most_dead_zone_percent = 90;
const std::string dead_zone_key = "deadZone";
const std::string step_key = "keyframeStep";
const std::string dead_man_key = "deadMan";

std::string stick_axis_key(std::size_t s) { return std::string(pad_stick_keys[s]) + "Axis"; }
std::string stick_inverted_key(std::size_t s) { return std::string(pad_stick_keys[s]) + "Inverted"; }
}  // namespace

PadSettings PadSettings::defaults() {
    PadSettings s;
    auto map = [&s](PadStick stick, int axis, bool inverted) {
        s.sticks[static_cast<std::size_t>(stick)] = {axis, inverted};
    };
    map(PadStick::left_x, 0, false);
    map(PadStick::left_y, 1, true);  // a stick reads negative when pushed up
    map(PadStick::right_x, 2, false);
    map(PadStick::right_y, 3, true);
    map(PadStick::left_trigger, 4, true);
    map(PadStick::right_trigger, 4, false);
    return s;
}

std::string_view dead_man_name(PadButton b) {
    return b == PadButton::right_shoulder ? "right shoulder" : "left shoulder";
}

PadSettingsText encode_pad_settings(const PadSettings& s) {
    PadSettingsText out;
    for (std::size_t i = 0; i < s.sticks.size(); ++i) {
        const int axis = s.sticks[i].axis;
        out.emplace_back(stick_axis_key(i), axis == no_axis ? "-" : std::string(1, static_cast<char>('A' + axis)));
        out.emplace_back(stick_inverted_key(i), s.sticks[i].inverted ? "1" : "0");
    }
    out.emplace_back(dead_zone_key, num::to_text(s.dead_zone * 100));
    out.emplace_back(step_key, num::to_text(s.keyframe_step));
    out.emplace_back(dead_man_key, std::string(dead_man_name(s.dead_man)));
    return out;
}

Result<PadSettings> decode_pad_settings(
    const std::function<std::optional<std::string>(const std::string& key)>& value) {
    PadSettings s = PadSettings::defaults();
    for (std::size_t i = 0; i < s.sticks.size(); ++i) {
        if (const auto axis = value(stick_axis_key(i))) {
            if (*axis == "-") {
                s.sticks[i].axis = no_axis;
            } else if (axis->size() == 1 && (*axis)[0] >= 'A' && (*axis)[0] < 'A' + move_axes) {
                s.sticks[i].axis = (*axis)[0] - 'A';
            } else {
                return fail(pad_msg::unreadable_setting(stick_axis_key(i)));
            }
        }
        if (const auto inv = value(stick_inverted_key(i))) {
            if (*inv != "0" && *inv != "1") return fail(pad_msg::unreadable_setting(stick_inverted_key(i)));
            s.sticks[i].inverted = *inv == "1";
        }
    }
    if (const auto dz = value(dead_zone_key)) {
        const Result<double> d = read_dead_zone_percent(*dz);
        if (!d) return fail(pad_msg::unreadable_setting(dead_zone_key));
        s.dead_zone = d.value();
    }
    if (const auto step = value(step_key)) {
        const Result<int> k = read_keyframe_step(*step);
        if (!k) return fail(pad_msg::unreadable_setting(step_key));
        s.keyframe_step = k.value();
    }
    if (const auto dm = value(dead_man_key)) {
        const auto* found = std::find_if(pad_dead_man_choices.begin(), pad_dead_man_choices.end(),
                                         [&](PadButton b) { return dead_man_name(b) == *dm; });
        if (found == pad_dead_man_choices.end()) return fail(pad_msg::unreadable_setting(dead_man_key));
        s.dead_man = *found;
    }
    return s;
}

Result<double> read_dead_zone_percent(const std::string& text) {
    const auto v = num::whole_number(text);
    if (!v || !(*v >= 0 && *v <= most_dead_zone_percent)) return fail(pad_msg::dead_zone_refused);
    return *v / 100;
}

Result<int> read_keyframe_step(const std::string& text) {
    const auto v = num::whole_number(text);
    if (!v || *v != std::floor(*v) || *v < 1 || *v > max_frames) return fail(pad_msg::keyframe_step_refused);
    return static_cast<int>(*v);
}

}  // namespace kestrova
