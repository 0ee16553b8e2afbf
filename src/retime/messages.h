// Texts of the retiming.
#pragma once

#include <cstdio>
#include <string>

namespace kestrova::retime_msg {

// Seconds at 25 frames a second, one decimal.
inline std::string seconds(int frames) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", frames / 25.0);
    return text;
}

inline std::string keyframe(int row) { return row > 0 ? "keyframe " + std::to_string(row) : "the start"; }

// "Fit to rig: 250 → 318 frames, +2.7 s; 2 keyframes moved"
inline std::string summary(const std::string& what, int old_frames, int new_frames, int moved) {
    const int diff = new_frames - old_frames;
    std::string line = what + ": " + std::to_string(old_frames) + " \u2192 " + std::to_string(new_frames) + " frames, " +
                       (diff >= 0 ? "+" : "-") + seconds(diff >= 0 ? diff : -diff);
    line += moved == 1 ? "; 1 keyframe moved" : "; " + std::to_string(moved) + " keyframes moved";
    return line;
}

inline const std::string fit = "Fit to rig";
inline const std::string fastest = "Fastest move";
inline const std::string stretch = "Stretch move";
inline const std::string unchanged = "Fit to rig: the move already suits the rig";

inline std::string pinned_too_short(int from_row, int to_row, int needed_frames, int has_frames) {
    return "Fit to rig: from " + keyframe(from_row) + " to pinned " + keyframe(to_row) + " the move needs " +
           seconds(needed_frames) + ", it has " + seconds(has_frames);
}

inline std::string off_limits(char axis, int frame) {
    return std::string("Fit to rig: axis ") + axis + " leaves its position limits at frame " + std::to_string(frame) +
           "; a new timing cannot bring it back";
}

inline std::string cannot_move(char axis) {
    return std::string("Fit to rig: axis ") + axis + " moves but its max speed or acceleration is 0";
}

inline std::string too_long(int frames) {
    return "Fit to rig: the move would need " + std::to_string(frames) + " frames, more than the longest move (32766)";
}

inline const std::string no_fit = "Fit to rig: no timing found that suits the rig";

inline const std::string nothing_to_stretch = "Stretch move: a move of one frame has no path to stretch";

// A retiming that gives the move it had.
inline std::string same_move(const std::string& what) { return what + ": the move is so already; nothing was changed"; }

inline std::string bad_length(int frames) {
    return "Stretch move: " + std::to_string(frames) + " frames is not a move length (2 to 32766)";
}

}  // namespace kestrova::retime_msg
