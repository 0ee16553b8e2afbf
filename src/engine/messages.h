// Status-bar texts of the frame engine, defined once; tests compare against these.
#pragma once

#include <string>
#include <string_view>

namespace kestrova::engine_msg {

inline const std::string stop_rig_first = "Stop the rig first: the move is playing.";
// Refused mode changes.
inline const std::string stop_play_first = "Refused: the move is playing; press Stop first.";
inline const std::string stop_single_frame_first = "Refused: a single-frame run is on; press Stop first.";
inline std::string mode_refused(std::string_view from, std::string_view to) {
    return "Refused: the rig cannot go from " + std::string(from) + " to " + std::string(to) +
           "; wait until it arrives or press Stop.";
}

inline const std::string target_clamped =
    "a play-back target lay outside its axis limits and was clamped to them";
// `axes` are letters, e.g. "AC".
inline std::string brought_into_limits(const std::string& axes) {
    return "Axis " + axes + " stood outside its limits; a positioning move brings it inside.";
}

}  // namespace kestrova::engine_msg
