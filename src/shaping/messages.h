// Status-bar texts of the path shaping.
#pragma once

#include <string>

#include "base/numeric.h"

namespace kestrova::shaping_msg {

inline const std::string bezier_needs_two_frames =
    "Bezier refused: it needs keyframes on at least two different frames; the move is unchanged.";

inline const std::string width_not_valid =
    "Smoothing refused: the width must be a whole number from 1 to 32767; the move is unchanged.";

inline std::string width_beyond_move(int frames) {
    return "Smoothing refused: the width is larger than the move (" + num::to_text(frames) +
           " frames); the move is unchanged.";
}

inline const std::string passes_not_valid =
    "Smoothing refused: the number of passes must be a whole number from 1 to 32767; the move is unchanged.";

inline const std::string too_much_work =
    "Smoothing refused: this width and number of passes would keep the program busy for too long on this "
    "move; lower one of them. The move is unchanged.";

inline const std::string axis_e_sum_too_large =
    "Smoothing refused: the window sum of axis E goes beyond the 32-bit range; the move is unchanged.";

inline const std::string no_keyframes_to_correct =
    "No keyframes: the move was smoothed without keyframe corrections.";

}  // namespace kestrova::shaping_msg
