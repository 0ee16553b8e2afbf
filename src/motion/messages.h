// Status-bar texts of the motion commands: refused input and operations that
// cannot be carried out. Tests compare against these same functions.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "base/numeric.h"

namespace kestrova::motion_msg {

inline std::string not_at_start(char axis) {
    return std::string("Run refused: axis ") + axis + " is not at the start of the move; go to start first.";
}
inline const std::string already_playing = "Run refused: the move is already playing; press Stop first.";
inline const std::string at_last_frame = "Step: already at the last frame of the move.";
inline const std::string at_first_frame = "Step back: already at frame 1.";

// A box read as a number that holds none; it is put back to its default text.
inline std::string not_a_number(std::string_view what, std::string_view reset_to) {
    return "The " + std::string(what) + " holds no number; reset to " + std::string(reset_to) + ".";
}
inline std::string out_of_range(std::string_view what, std::string_view allowed, std::string_view reset_to) {
    return "The " + std::string(what) + " must be " + std::string(allowed) + "; reset to " +
           std::string(reset_to) + ".";
}
// A go-to target that has no row in the move tables.
inline std::string no_such_frame(double frame, int totalframes) {
    return "Frame " + num::to_text(frame) + " is not a frame of the move (1 to " + num::to_text(totalframes) +
           "); the rig does not move.";
}
inline const std::string nothing_to_position =
    "Go to position: every axis is within 10 pulses of its typed position; nothing to move.";
// F keys enabled while axes of A..E (letters, e.g. "AC") have an empty or 0 F speed; the others jog.
inline std::string fkeys_without_speed(const std::string& axes) {
    return axes.size() == 1 ? "Axis " + axes + " has no F speed (empty or 0): its F keys do not move it."
                            : "Axes " + axes + " have no F speed (empty or 0): their F keys do not move them.";
}
inline std::string position_outside_limits(char axis, const std::string& kept) {
    return std::string("Position of axis ") + axis + " is outside its limits; the box keeps " + kept + ".";
}

inline const std::string no_interval = "Single frame: set an interval above 00:00:00 first.";
inline const std::string no_start_frame = "Single frame: the Position box holds no frame of the move.";
inline const std::string bad_exposure =
    "The exposure must be a whole number of ticks, 1 to 29999; single frame will not step.";
inline const std::string single_frame_done = "Single frame run finished at the last frame.";
inline const std::string single_frame_timeout = "Single frame run stopped after 99 hours.";

// Captions and status texts the motion commands show.
inline const std::string zero_all_caption = "Zero All Axies";
inline const std::string zero_all_armed = "confirm";
inline const std::string single_frame_on = "S.F. on";
inline const std::string single_frame_off = "S.F. off";
inline const std::string sound_sync_on = "Sound Sync - On";
inline const std::string sound_sync_off = "Sound Sync - Off";
inline const std::string trigger_on = "Y";
inline const std::string trigger_off = "N";

// Progress in the status area: "01:05", or "1:02:05" from an hour on.
inline std::string clock(long seconds) {
    char text[32];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%02ld:%02ld", seconds / 60, seconds % 60);
    return text;
}
inline std::string play_progress(int frame, int total, long seconds_left, bool looping) {
    return "frame " + std::to_string(frame) + " / " + std::to_string(total) + ", " + clock(seconds_left) + " left" +
           (looping ? " in this pass" : "");
}
inline std::string single_frame_progress(int shot, long interval_seconds, long seconds_left) {
    return "single frame: " + std::to_string(shot) + " shot, every " + clock(interval_seconds) + ", " +
           clock(seconds_left) + " left";
}
inline std::string running_time(int total, long seconds) {
    return std::to_string(total) + " frames = " + clock(seconds) + " at 25 fps";
}

// Names of the boxes as the operator knows them.
inline constexpr std::string_view sub_frame_box = "sub frame box";
inline constexpr std::string_view frame_box = "go to frame box";
inline constexpr std::string_view page_box = "page box";
inline constexpr std::string_view divider_box = "play-back speed divider";
inline constexpr std::string_view hours_box = "interval hours";
inline constexpr std::string_view minutes_box = "interval minutes";
inline constexpr std::string_view seconds_box = "interval seconds";

}  // namespace kestrova::motion_msg
