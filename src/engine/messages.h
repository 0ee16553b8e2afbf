// Status-bar texts of the frame engine, defined once; tests compare against these.
#pragma once

#include <string>

namespace kestrova::engine_msg {

inline const std::string stop_rig_first = "Stop the rig first: the move is playing.";

inline const std::string target_clamped =
    "a play-back target lay outside its axis limits and was clamped to them";
// `axes` are letters, e.g. "AC".
inline std::string brought_into_limits(const std::string& axes) {
    return "Axis " + axes + " stood outside its limits; a positioning move brings it inside.";
}

}  // namespace kestrova::engine_msg
