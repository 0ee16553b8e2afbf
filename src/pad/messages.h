// Status-bar texts of the gamepad. Tests compare against these same functions.
#pragma once

#include <string>
#include <string_view>

#include "base/numeric.h"

namespace kestrova::pad_msg {

inline std::string connected(std::string_view name) { return "Gamepad connected: " + std::string(name) + "."; }
inline std::string disconnected(std::string_view name) {
    return "Gamepad disconnected: " + std::string(name) + "; its axes coast to rest.";
}
// The status bar's lasting line while a pad is connected.
inline std::string status(std::string_view name) { return "pad: " + std::string(name); }
inline const std::string off_while_fkeys_disabled =
    "Gamepad off: F-key jogging is disabled; press \"enable F keys\" to jog with the pad.";
inline std::string no_keyframe_before(double frame) {
    return "Gamepad: no keyframe before frame " + num::to_text(frame) + ".";
}
inline std::string no_keyframe_after(double frame) {
    return "Gamepad: no keyframe after frame " + num::to_text(frame) + ".";
}
inline const std::string dead_zone_refused =
    "Gamepad dead zone refused: it must be a number from 0 to 90 (percent); the gamepad settings are unchanged.";
inline const std::string keyframe_step_refused =
    "Gamepad keyframe step refused: it must be a whole number of frames from 1 to 32766; the gamepad settings "
    "are unchanged.";
inline std::string unreadable_setting(std::string_view key) {
    return "Gamepad settings: the stored value of " + std::string(key) + " is unreadable; the defaults are used.";
}
inline std::string unavailable(std::string_view why) {
    return "Gamepad support unavailable: " + std::string(why);
}

}  // namespace kestrova::pad_msg
