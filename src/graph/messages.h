// Texts of the move chart.
#pragma once

#include <string>

namespace kestrova::graph_msg {

inline const std::string first_run_hint =
    "Jog with F1..F10 or the gamepad,\npress Add KeyFrame (K) to store a pose,\nthen Run (Space) to play";
inline const std::string limit_band = "beyond a limit or the maximum speed";
inline const std::string acceleration_band = "beyond the acceleration";
inline const std::string limit_band_tip = "Move check: the move goes beyond a limit or the maximum speed here";
inline const std::string acceleration_band_tip = "Move check: the move needs more than the acceleration here";
inline const std::string frame_axis = "frame";
inline const std::string pulses = "pulses";
inline const std::string per_frame = "/frame";

// A keyframe marker dragged sideways whose frame is pinned.
inline std::string keyframe_pinned(int row, int frame) {
    return "keyframe " + std::to_string(row) + " is pinned at frame " + std::to_string(frame) +
           ": unpin it to move it in time";
}

}  // namespace kestrova::graph_msg
