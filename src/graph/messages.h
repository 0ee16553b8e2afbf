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
inline const std::string per_second = "/s";
inline const std::string per_second2 = "/s²";
// The views of the chart, their tips and the value axis's title in each.
inline const std::string quantity_names[3] = {"Position", "Speed /s", "Acceleration /s²"};
inline const std::string quantity_tips[3] = {
    "Show each axis's position (or the speed per frame with \"show speed\")",
    "Show each axis's speed a second against its maximum speed (dashed lines); frames beyond are shaded",
    "Show each axis's acceleration a second² against its acceleration (dashed lines); frames beyond are shaded"};
inline const std::string quantity_switch_tip =
    "What the chart shows: position, or speed or acceleration against the axes' limits";
inline const std::string quantity_titles[3] = {"position", "speed per second", "acceleration per second²"};
inline const std::string speed_beyond_tip = "The speed here is more than an axis's maximum speed";
inline const std::string acceleration_beyond_tip = "The acceleration here is more than an axis can do";
inline const std::string pinned_tip = "Pinned keyframe: kept at its frame when the move is retimed";

// A keyframe marker dragged sideways whose frame is pinned.
inline std::string keyframe_pinned(int row, int frame) {
    return "keyframe " + std::to_string(row) + " is pinned at frame " + std::to_string(frame) +
           ": unpin it to move it in time";
}

}  // namespace kestrova::graph_msg
