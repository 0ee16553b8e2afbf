// What a gamepad gives each step, in the standard layout most pads map to:
// two sticks, two triggers and the face and shoulder buttons.
#pragma once

#include <array>
#include <string_view>

namespace kestrova {

// Sticks run from -1 to 1 (right and down positive), triggers from 0 to 1.
enum class PadStick { left_x, left_y, right_x, right_y, left_trigger, right_trigger };
inline constexpr int pad_stick_count = 6;

enum class PadButton { a, b, x, y, left_shoulder, right_shoulder };
inline constexpr int pad_button_count = 6;

struct PadReading {
    std::array<double, pad_stick_count> sticks{};
    std::array<bool, pad_button_count> buttons{};

    double& at(PadStick s) { return sticks[static_cast<std::size_t>(s)]; }
    double at(PadStick s) const { return sticks[static_cast<std::size_t>(s)]; }
    bool held(PadButton b) const { return buttons[static_cast<std::size_t>(b)]; }
    void set(PadButton b, bool down) { buttons[static_cast<std::size_t>(b)] = down; }
};

// The names the setup dialog shows and the settings store.
inline constexpr std::array<std::string_view, pad_stick_count> pad_stick_names = {
    "left stick X", "left stick Y", "right stick X", "right stick Y", "left trigger", "right trigger"};
inline constexpr std::array<std::string_view, pad_stick_count> pad_stick_keys = {
    "leftX", "leftY", "rightX", "rightY", "leftTrigger", "rightTrigger"};

}  // namespace kestrova
