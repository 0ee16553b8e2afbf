// How the pad drives the rig: which move axis each stick and trigger drives
// and which way, the dead zone, the keyframe step of the A button and the
// dead-man button. Kept in the program's settings, not in the setup file.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "pad/pad_input.h"

namespace kestrova {

inline constexpr int no_axis = -1;

struct StickMapping {
    int axis = no_axis;  // 0..4 for A..E
    bool inverted = false;
    bool operator==(const StickMapping&) const = default;
};

struct PadSettings {
    std::array<StickMapping, pad_stick_count> sticks{};
    double dead_zone = 0.10;  // share of full deflection that moves nothing
    int keyframe_step = 25;   // frames the A button advances the Position box by
    PadButton dead_man = PadButton::left_shoulder;

    // Left stick to A and B, right stick to C and D, the triggers to E one
    // each way; pushing a stick up drives its axis up.
    static PadSettings defaults();
    bool operator==(const PadSettings&) const = default;
};

// The dead-man buttons the operator may choose from.
inline constexpr std::array pad_dead_man_choices = {PadButton::left_shoulder, PadButton::right_shoulder};
std::string_view dead_man_name(PadButton b);

// The settings as key/value texts, and back. A stored value that cannot be
// read refuses the whole set, naming the key; the caller keeps the defaults.
using PadSettingsText = std::vector<std::pair<std::string, std::string>>;
PadSettingsText encode_pad_settings(const PadSettings& s);
Result<PadSettings> decode_pad_settings(const std::function<std::optional<std::string>(const std::string& key)>& value);

// The rules for what the operator types: dead zone in percent (0 to 90),
// keyframe step in frames (1 to the longest move).
Result<double> read_dead_zone_percent(const std::string& text);
Result<int> read_keyframe_step(const std::string& text);

}  // namespace kestrova
